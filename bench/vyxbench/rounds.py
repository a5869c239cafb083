"""The run: the plan turned into steps, the steps run round after round with the sides
alternating, and every sample kept for the report."""

import re
import shutil
import time

from .clips import CLIP_RATE, PLAN, SMOKE_PLAN, gpu_plan, make_clip, make_long_list, make_page
from .common import BenchError, log
from .sides import GPU_MPV, SOFTWARE_MPV, DecodeFloor, Mpv, Vlc
from .vyx import Vyx


class Bench:
    def __init__(self, stage, vlc_user, video_output):
        """vlc_user: the user VLC runs as, "" for the bench's own, None for no VLC at all.
        video_output: what Vyx Player is asked to draw with; on a GPU run, both auto and
        opengl where it is not given."""
        self.stage = stage
        self.args = stage.args
        gpu = stage.gpu_run
        outputs = [video_output] if video_output or not gpu else ["auto", "opengl"]
        self.vyx = [Vyx(stage, output) for output in outputs]
        self.mpv = [Mpv(stage, output) for output in (GPU_MPV if gpu else SOFTWARE_MPV)]
        self.vlc = Vlc(stage, vlc_user) if vlc_user is not None and shutil.which("vlc") else None
        self.floor = DecodeFloor(stage)
        self.samples = {}  # (figure, side) -> list of values
        self.used = {}  # (clip, place) -> side -> what it used, run by run
        self.fell_back = []  # (round, step, what fell back) of the runs that fell back
        self.failures = []  # (round, step, why) of the steps that failed
        self.outputs = {}  # side -> video output
        self.round = 0
        self.plan = []

    @property
    def players(self):
        return [*self.vyx, *self.mpv, *([self.vlc] if self.vlc else [])]

    def add(self, figure, side, value):
        # A figure a side does not report is left out, not zero.
        if value is not None:
            self.samples.setdefault((figure, side), []).append(value)

    def add_figures(self, side, figures):
        for figure, value in figures:
            self.add(figure, side.name, value)

    def add_play(self, clip, place, side, played):
        def add(metric, value):
            self.add(("play", metric, clip, place.name()), side.name, value)
        add("CPU seconds", played.cpu)
        add("dropped frames", played.drops)
        add("peak memory (MiB)", played.peak_kib / 1024)
        add("unique memory (MiB)", played.unique_kib / 1024)
        if played.spacing is not None:
            deviation, off = played.spacing.figures(CLIP_RATE)
            add("frame spacing SD (ms)", deviation)
            add("frames off their time (%)", off)
        if played.used is not None:
            where = (clip, place.name())
            self.used.setdefault(where, {}).setdefault(side.name, []).append(
                played.used.cell(side.asks_gpu))
            fell = played.used.fell_back(side.asks_gpu)
            if fell:
                self.fell_back.append((self.round, f"{side.name}, {clip} in {place.name()}",
                                       " and ".join(fell)))

    def settle(self):
        time.sleep(self.args.pause)

    def prepare(self):
        media = self.stage.work / "media"
        media.mkdir(exist_ok=True)
        # A smoke run shows that every kind of figure still works: one clip is enough.
        if self.stage.gpu_run:
            self.plan = gpu_plan(self.stage.screen)
        else:
            self.plan = SMOKE_PLAN if self.args.smoke else PLAN
        if self.args.only:
            self.plan = [(c, p) for c, p in self.plan
                         if re.search(self.args.only, f"{c} in {p.name()}")]
        names = dict.fromkeys(clip for clip, _ in self.plan)
        self.stage.clips = {name: make_clip(media, name, self.args.clip_seconds)
                            for name in names}
        if not self.stage.gpu_run:
            self.stage.page = make_page(media)
            self.stage.long_list = make_long_list(media)
        self.stage.media = media

    def decode_floor(self):
        for clip, path in self.stage.clips.items():
            played = self.floor.play(path)
            for each, place in self.plan:
                if each == clip:
                    self.add_play(clip, place, self.floor, played)

    def steps(self):
        """One round runs every figure once for every side, alternating the sides: a list of
        (what, how) pairs."""
        steps = []
        general = not self.args.only and not self.stage.gpu_run
        if general:
            steps += [(f"{side.name} start", lambda s=side: self.add_figures(s, s.start()))
                      for side in self.players]
            steps += [(f"{side.name} first frame",
                       lambda s=side: self.add_figures(s, s.first_frame()))
                      for side in [*self.vyx, *self.mpv]]
        for clip, place in self.plan:
            where = f"{clip} in {place.name()}"
            steps += [(f"{side.name}, {where}",
                       lambda s=side, c=clip, p=place: self.add_play(c, p, s, s.play(c, p)))
                      for side in self.players]
        vyx = self.vyx[0]
        if general:
            steps.append((f"{vyx.name} browser", lambda: self.add_figures(vyx, vyx.browser())))
        if not self.stage.gpu_run and (not self.args.only or
                                       re.search(self.args.only, "long list")):
            steps.append((f"{vyx.name} long list",
                          lambda: self.add_figures(vyx, vyx.long_list())))
        return steps

    def run(self):
        self.prepare()
        self.decode_floor()
        steps = self.steps()
        for number in range(self.args.runs):
            self.round = number + 1
            log(f"round {self.round} of {self.args.runs}")
            for what, step in steps:
                # One step that fails (a window that never came) costs its sample, not the run.
                try:
                    step()
                except BenchError as error:
                    log(f"{what} failed: {error}")
                    self.failures.append((self.round, what, error))
                self.settle()
        for side in [*self.players, self.floor]:
            self.outputs[side.name] = side.description
