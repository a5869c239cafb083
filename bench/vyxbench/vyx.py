"""Vyx Player's side: started, opened, played in a window of a given size or full screen as a
user does it, and read from its own timing and media logs."""

import re
import subprocess
import time
from pathlib import Path

from .choices import vyx_used
from .clips import FIRST_CLIP, LONG_LIST
from .common import BenchError
from .display import largest_window, window_geometry
from .logs import TimingLog
from .measures import Run, has_library
from .sides import Played, idle_start

VIDEO_OUTPUTS = ("auto", "opengl", "software")
SOFTWARE_OUTPUT = (
    "libmpv's software render API (swscale with its fast chroma: area shrinking, bicubic "
    "enlarging, bilinear past a 1920x1200 screen's worth, its SSE horizontal scaler rather than "
    "AVX2 gathers on AMD processors; zimg for 4:4:4 and RGB; one decoder thread up to 1080p30), "
    "into Qt's window buffer (XShm): straight in when the picture spans the window (full "
    "screen), else copied from its own; each frame drawn 10 ms before its time (20 ms past a "
    "1920x1200 screen's worth) and shown at it")


class Vyx:
    def __init__(self, stage, video_output=None):
        """video_output, where given, is passed on as --video-output=VALUE: a binary from before
        the option would refuse it."""
        self.stage = stage
        self.binary = str(Path(stage.args.binary).resolve())
        self.options = [f"--video-output={video_output}"] if video_output else []
        self.name = f"vyx {video_output}" if stage.gpu_run else "vyx"
        self.env = dict(stage.env, QT_LOGGING_RULES="vyx.timing.info=true;vyx.media.info=true")
        # Where there is a GPU, auto and opengl are to draw with it and decode in hardware.
        self.asks_gpu = stage.gpu_run and video_output != "software"
        self.description = SOFTWARE_OUTPUT if video_output in (None, "software") else (
            f"--video-output={video_output}: what it chose is in the video output rows; its "
            f"software output is {SOFTWARE_OUTPUT}")

    def run(self, arguments, env=None):
        return Run([self.binary, *self.options, *arguments], env or self.env, self.stage.work)

    # start-up and idle memory

    def start(self):
        return idle_start(self.stage, self.run([]), while_idle=lambda pid: [
            ("web engine loaded before the browser is shown (0 = no)",
             int(has_library(pid, "libQt6WebEngineCore")))])

    # open to first frame

    def first_frame(self):
        run = self.run([str(self.stage.clips[FIRST_CLIP])])
        timing = TimingLog(run)
        try:
            frame = timing.wait("first-frame")
            started = timing.first("start")
        finally:
            run.stop()
        return [("open to first frame, 1080p, from process start (ms)",
                 (frame[0] - run.start) * 1000),
                ("open to first frame, 1080p, from main() (ms)", (frame[0] - started[0]) * 1000)]

    # playing a clip in a video area of a given size

    def window(self, run, env):
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            found = subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(run.pid), "--name",
                 "Media Player"], capture_output=True, text=True, env=env).stdout.split()
            if found:
                return found[-1]
            time.sleep(0.01)
        raise BenchError("the player window did not appear")

    @staticmethod
    def fit(timing, window, area, env):
        """The window grows with its picture one for one: corrected by the difference."""
        width, height = area
        for _ in range(5):
            current = timing.last("video-area")[2]
            have = tuple(int(v) for v in current.split("x"))
            if have == area:
                return
            size = window_geometry(window, env)
            subprocess.run(["xdotool", "windowsize", window, str(size["WIDTH"] + width - have[0]),
                            str(size["HEIGHT"] + height - have[1])], env=env, check=True)
            deadline = time.monotonic() + 5
            while timing.last("video-area")[2] == current and time.monotonic() < deadline:
                time.sleep(0.01)
        raise BenchError(f"could not give the picture {width}x{height}")

    @staticmethod
    def full_screen(timing, window, screen, env):
        """A double click on the picture, as a user takes the screen."""
        place = window_geometry(window, env)
        subprocess.run(["xdotool", "mousemove", str(place["X"] + place["WIDTH"] // 2),
                        str(place["Y"] + place["HEIGHT"] // 3), "click", "--repeat", "2",
                        "--delay", "80", "1"], env=env, check=True)
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            width = int(timing.last("video-area")[2].split("x")[0])
            if width == screen[0]:
                return
            time.sleep(0.01)
        raise BenchError("the player did not take the screen")

    def play(self, clip, place):
        env = self.stage.on(place.screen, self.env)
        run = self.run(["--separate-window", str(self.stage.clips[clip])], env)
        timing = TimingLog(run)
        try:
            timing.wait("first-frame")
            # The picture's size, which fitting and full screen follow: an output that does not
            # log it fails its step rather than the run.
            timing.wait("video-area", timeout=10.0)
            window = self.window(run, env)
            if place.area is None:
                self.full_screen(timing, window, place.screen, env)
                window = largest_window(run.pid, env)
            else:
                self.fit(timing, window, place.area, env)
            cpu, spacing, _ = self.stage.measure(run.pid, env, window)
        finally:
            peak = run.stop()
        drops = timing.last("dropped-frames")
        counts = dict(re.findall(r"(\w+)=(\d+)", drops[2])) if drops else {}
        dropped = int(counts.get("output", 0)) + int(counts.get("decoder", 0)) if counts else -1
        return Played(cpu, dropped, peak, run.unique_kib, spacing, vyx_used(run.stderr()))

    # the browser

    def browser(self):
        page = self.stage.page.as_uri()
        run = self.run(["--browse", page])
        timing = TimingLog(run)
        try:
            done = timing.wait("download-complete", detail=page)
            time.sleep(self.stage.args.idle_seconds)
        finally:
            peak = run.stop()
        shown = timing.first("browser-show")
        address = timing.first("browser-address")
        navigate = timing.first("navigate")
        return [("browser: first show to start address in the box (ms)",
                 (address[0] - shown[0]) * 1000),
                ("browser: local page to DownloadComplete (ms)", (done[0] - navigate[0]) * 1000),
                ("peak memory, after the browser opened (MiB)", peak / 1024)]

    # a music collection as a list

    def list_start(self, arguments):
        run = self.run(arguments)
        timing = TimingLog(run)
        try:
            frame = timing.wait("first-frame")
            time.sleep(self.stage.args.idle_seconds)
        finally:
            peak = run.stop()
        return (frame[0] - run.start) * 1000, peak / 1024

    def long_list(self):
        media = self.stage.media
        one_ms, one_peak = self.list_start([str(media / "one.m3u")])
        figures = []
        for what, arguments in ((f"{LONG_LIST:,}-entry .m3u", [str(media / "collection.m3u")]),
                                (f"{LONG_LIST:,} files on the command line",
                                 [str(path) for path in self.stage.long_list])):
            ms, peak = self.list_start(arguments)
            figures += [(f"{what}: open to first frame, from process start (ms)", ms),
                        (f"{what}: peak memory above a list of one (MiB)", peak - one_peak)]
        figures.append(("list of one .m3u: open to first frame, from process start (ms)", one_ms))
        return figures
