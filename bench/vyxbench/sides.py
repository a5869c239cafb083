"""The programs measured and how each is run and read: the stage they share, what one play of
a clip gives, and the peers (mpv, VLC, ffmpeg's decode floor). Vyx Player's own side is in
vyx.py."""

import os
import shutil
import time
from dataclasses import dataclass
from pathlib import Path

from .choices import Used, mpv_used, vlc_used
from .clips import CLIPS, FIRST_CLIP
from .common import BenchError
from .display import largest_window, wait_window
from .logs import MpvIpc, mpv_first_frame, vlc_lost_pictures
from .measures import FrameSpacing, Run, measure_playing

# The sound outputs Vyx Player asks for, given to mpv too so that both sides do the same work.
MPV_AUDIO = ["--ao=pipewire,pulse,alsa,jack", "--audio-fallback-to-null=yes"]
MPV_OUTPUTS = {
    "x11": ["--vo=x11"],
    "gpu": ["--vo=gpu", "--gpu-sw"],
    "gpu hwdec": ["--vo=gpu", "--hwdec=auto-safe"],
}
SOFTWARE_MPV = ("x11", "gpu")
GPU_MPV = ("gpu hwdec",)


@dataclass
class Stage:
    """What every side runs with: the options, the work folder, the displays by screen (the
    first one the main screen), the environment and the media made for the run."""
    args: object
    work: Path
    displays: dict
    env: dict
    gpu_run: bool
    clips: dict = None
    page: Path = None
    long_list: list = None
    media: Path = None

    @classmethod
    def make(cls, args, work, displays, gpu_run):
        main = next(iter(displays.values())).name
        env = dict(os.environ, DISPLAY=main)
        for name in ("QT_LOGGING_RULES", "LIBGL_ALWAYS_SOFTWARE", "WAYLAND_DISPLAY"):
            env.pop(name, None)
        if gpu_run:
            # The desktop's GL, sound server and session as they are; every side draws
            # through X, where its windows are found and its frames seen.
            env["QT_QPA_PLATFORM"] = "xcb"
        else:
            env.update(LIBGL_ALWAYS_SOFTWARE="1", QTWEBENGINE_DISABLE_SANDBOX="1",
                       XDG_RUNTIME_DIR=str(work / "run"))
            (work / "run").mkdir(mode=0o700, exist_ok=True)
        return cls(args, work, displays, env, gpu_run)

    @property
    def screen(self):
        return next(iter(self.displays))

    def on(self, screen, env):
        """The same environment, on the given screen's display."""
        return dict(env, DISPLAY=self.displays[screen].name)

    def measure(self, pid, env=None, window=None, count=None):
        return measure_playing(pid, self.args.settle_seconds, self.args.play_seconds, env,
                               window, count)


@dataclass
class Played:
    """What one play of a clip measured."""
    cpu: float
    drops: int
    peak_kib: int
    unique_kib: int
    spacing: FrameSpacing = None
    used: Used = None


def idle_start(stage, run, title=None, while_idle=None):
    """A start to the idle main window: how long until it was mapped, and the memory it then
    held; with what while_idle(pid) found meanwhile."""
    try:
        seconds, _ = wait_window(run.pid, stage.env, run.start, name=title)
        time.sleep(stage.args.idle_seconds)
        found = while_idle(run.pid) if while_idle else []
    finally:
        peak = run.stop()
    return [("start-up to main window mapped (ms)", seconds * 1000),
            ("peak memory, idle main window (MiB)", peak / 1024),
            ("unique memory, idle main window (MiB)", run.unique_kib / 1024), *found]


class Mpv:
    def __init__(self, stage, output):
        self.stage = stage
        self.output = output
        self.name = f"mpv {output}"
        self.files = output.replace(" ", "-")
        # Its own hardware decoding and GL, asked for on the GPU run; drawing in software
        # (--gpu-sw) is allowed only on the software run.
        self.asks_gpu = output in GPU_MPV
        self.description = {
            "x11": "--vo=x11 (zimg, mpv's default lanczos, as its log says)",
            "gpu": "--vo=gpu --gpu-sw (GL on llvmpipe, mpv's default scale bilinear)",
            "gpu hwdec": "--vo=gpu --hwdec=auto-safe (the desktop's GL, hardware decoding "
                         "where a driver answers)",
        }[output]

    def command(self, *arguments):
        return ["mpv", "--no-config", *MPV_OUTPUTS[self.output], *MPV_AUDIO, *arguments]

    def start(self):
        return idle_start(self.stage, Run(self.command("--idle", "--force-window"),
                                          self.stage.env, self.stage.work))

    def first_frame(self):
        log_path = self.stage.work / f"mpv-{self.files}.log"
        log_path.unlink(missing_ok=True)
        run = Run(self.command(f"--log-file={log_path}", str(self.stage.clips[FIRST_CLIP])),
                  self.stage.env, self.stage.work)
        try:
            seconds, arrived = mpv_first_frame(log_path)
        finally:
            run.stop()
        return [("open to first frame, 1080p, from process start (ms)",
                 (arrived - run.start) * 1000),
                ("open to first frame, 1080p, from main() (ms)", seconds * 1000)]

    def play(self, clip, place):
        sock = self.stage.work / f"mpv-{self.files}.sock"
        sock.unlink(missing_ok=True)
        log_path = self.stage.work / f"mpv-play-{self.files}.log"
        log_path.unlink(missing_ok=True)
        area = place.area
        size = ["--fs"] if area is None else [f"--geometry={area[0]}x{area[1]}"]
        run = Run(self.command(*size, f"--input-ipc-server={sock}", f"--log-file={log_path}",
                               str(self.stage.clips[clip])),
                  self.stage.on(place.screen, self.stage.env), self.stage.work)
        try:
            mpv_first_frame(log_path)
            ipc = MpvIpc(sock)
            cpu, spacing, _ = self.stage.measure(run.pid, run.env,
                                                 largest_window(run.pid, run.env))
            drops = (ipc.get("frame-drop-count") or 0) + (ipc.get("decoder-frame-drop-count") or 0)
            ipc.close()
        finally:
            peak = run.stop()
        return Played(cpu, drops, peak, run.unique_kib, spacing,
                      mpv_used(log_path.read_text(errors="replace")))


class Vlc:
    """VLC, run as another user where the bench runs as root (it refuses root)."""
    name = "vlc"
    TITLE = "VLC media player"

    def __init__(self, stage, user):
        self.stage = stage
        self.user = user
        self.asks_gpu = stage.gpu_run
        self.env = stage.env
        if user or not stage.gpu_run:
            home = stage.work / "vlc-home"
            home.mkdir(exist_ok=True)
            if user:
                shutil.chown(home, user=user)
            self.env = dict(stage.env, HOME=str(home), XDG_RUNTIME_DIR=str(home))
        self.description = (
            "its default output and decoder (GL, and hardware decoding where a driver answers)"
            if stage.gpu_run else
            "--vout=xcb_x11 (its swscale converter, bicubic; full screen is the screen's width, "
            "without a window manager), Qt interface for start-up") + (
            "; its dropped frames are the pictures its output threw away as too late")

    def start(self):
        run = Run(["vlc", "--no-qt-privacy-ask", "--no-qt-error-dialogs", "--no-video-title-show"],
                  self.env, self.stage.work, user=self.user)
        return idle_start(self.stage, run, self.TITLE)

    def play(self, clip, place):
        # VLC's own window takes the picture's size; its zoom makes it the area asked for. Without
        # a window manager it cannot take the screen: the whole width is the same picture. The
        # desktop has one.
        width = place.screen[0] if place.area is None else place.area[0]
        picture = int(CLIPS[clip][0].split("x")[0])
        if self.stage.gpu_run:
            size = ["--fullscreen"] if place.area is None else [f"--zoom={width / picture:.6f}"]
        else:
            size = ["--vout=xcb_x11", f"--zoom={width / picture:.6f}"]
        env = self.stage.on(place.screen, self.env)
        run = Run(["vlc", "-vv", "--intf", "dummy", "--no-video-title-show", *size,
                   "--play-and-exit", str(self.stage.clips[clip])],
                  env, self.stage.work, user=self.user)
        try:
            wait_window(run.pid, env, run.start, name=self.TITLE)
            cpu, _, lost = self.stage.measure(run.pid,
                                              count=lambda: vlc_lost_pictures(run.stderr()))
        finally:
            peak = run.stop()
        return Played(cpu, lost, peak, run.unique_kib, None, vlc_used(run.stderr()))


class DecodeFloor:
    """ffmpeg decoding the clip and throwing the pictures away: the decoder's own cost."""
    name = "ffmpeg decode only"
    asks_gpu = False
    description = "-f null: the decoder's own cost, the floor"

    def __init__(self, stage):
        self.stage = stage

    def play(self, path):
        run = Run(["ffmpeg", "-v", "error", "-t", str(self.stage.args.play_seconds), "-i",
                   str(path), "-f", "null", "-"], self.stage.env, self.stage.work)
        status = run.process.wait()
        peak = run.stop()
        if status != 0:
            raise BenchError(f"ffmpeg could not decode {path.name}:\n{run.stderr()[-2000:]}")
        return Played(run.cpu_total(), None, peak, run.unique_kib)
