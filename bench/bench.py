#!/usr/bin/env python3
"""Measures Vyx Player side by side with mpv (and VLC where it applies) under one virtual X
server with software GL, alternating the programs run by run, and writes the medians and
ratios to a Markdown and a CSV table.

Every figure is read with public tools: xdotool to see a window appear, /proc for CPU time and
memory maps, /usr/bin/time -v for peak memory, mpv's own log and IPC socket, and Vyx Player's
timing log (QT_LOGGING_RULES="vyx.timing.info=true")."""

import argparse
import csv
import json
import os
import platform
import pwd
import re
import select
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

# What users play: name -> (picture size, video encoder arguments, audio encoder arguments,
# container, pixel format). Made with Debian's ffmpeg at the start of a run.
AAC = ["-c:a", "aac", "-b:a", "128k"]
OPUS = ["-c:a", "libopus", "-b:a", "128k"]
X264 = ["-c:v", "libx264", "-preset", "veryfast", "-g", "60"]
VP9 = ["-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8", "-row-mt", "1", "-b:v",
       "4M"]
CLIPS = {
    "1080p H.264": ("1920x1080", X264, AAC, "mp4", "yuv420p"),
    "2160p HEVC": ("3840x2160", ["-c:v", "libx265", "-preset", "ultrafast", "-tag:v", "hvc1",
                                 "-x265-params", "log-level=error"], AAC, "mp4", "yuv420p"),
    "1080p VP9": ("1920x1080", VP9, OPUS, "webm", "yuv420p"),
    "1080p AV1": ("1920x1080", ["-c:v", "libsvtav1", "-preset", "12", "-crf", "35"], OPUS,
                  "mkv", "yuv420p"),
    "720p H.264": ("1280x720", X264, AAC, "mp4", "yuv420p"),
    # Screen recordings keep every colour sample (H.264 High 4:4:4, VP9 in RGB); cameras and
    # editors give 10 bits and 4:2:2.
    "1080p H.264 4:4:4": ("1920x1080", X264, AAC, "mp4", "yuv444p"),
    "1080p VP9 RGB": ("1920x1080", VP9, OPUS, "webm", "gbrp"),
    "1080p H.264 10-bit": ("1920x1080", X264, AAC, "mp4", "yuv420p10le"),
    "1080p H.264 4:2:2 10-bit": ("1920x1080", X264, AAC, "mp4", "yuv422p10le"),
}
FIRST_CLIP = "1080p H.264"
CLIP_RATE = 30
SCREEN = (1600, 1200)
BIG_SCREEN = (3840, 2160)


@dataclass(frozen=True)
class Place:
    """Where a picture plays: a video area of a window on a screen, or (no area) the whole
    screen."""
    area: tuple = None
    screen: tuple = SCREEN

    def name(self):
        if self.area is not None:
            return f"{self.area[0]}x{self.area[1]}"
        return "full screen" if self.screen == SCREEN else \
            f"full screen {self.screen[0]}x{self.screen[1]}"


AREAS = [Place((640, 360)), Place((1280, 720)), Place()]
# Each clip and where it plays: the codecs in every area; the other pixel formats full screen,
# where converting them costs most; on a large screen, pictures enlarged to fill it.
PLAN = [
    *((clip, place) for clip in ("1080p H.264", "2160p HEVC", "1080p VP9", "1080p AV1")
      for place in AREAS),
    *((clip, Place()) for clip in ("1080p H.264 4:4:4", "1080p VP9 RGB", "1080p H.264 10-bit",
                                   "1080p H.264 4:2:2 10-bit")),
    *((clip, Place(screen=BIG_SCREEN)) for clip in ("720p H.264", "1080p H.264")),
]
SMOKE_PLAN = [*((FIRST_CLIP, place) for place in AREAS), (FIRST_CLIP, Place(screen=BIG_SCREEN))]
PLAY_SECONDS = 8.0
# The sound outputs Vyx Player asks for, given to mpv too so that both sides do the same work.
MPV_AUDIO = ["--ao=pipewire,pulse,alsa,jack", "--audio-fallback-to-null=yes"]
MPV_OUTPUTS = {
    "x11": ["--vo=x11"],
    "gpu": ["--vo=gpu", "--gpu-sw"],
}
TICK = os.sysconf("SC_CLK_TCK")


class BenchError(RuntimeError):
    pass


def log(message):
    print(f"[bench] {message}", file=sys.stderr, flush=True)


# ----- machine and media ---------------------------------------------------------------------


def make_clip(folder, name, seconds):
    size, video, audio, container, pixels = CLIPS[name]
    path = folder / (re.sub(r"[ :]", "-", name).replace(".", "") + "." + container)
    if not path.exists():
        log(f"making the {name} clip")
        subprocess.run(
            ["ffmpeg", "-v", "error", "-y",
             "-f", "lavfi", "-i", f"testsrc2=size={size}:rate={CLIP_RATE}:duration={seconds}",
             "-f", "lavfi", "-i", f"sine=frequency=440:sample_rate=48000:duration={seconds}",
             *video, "-pix_fmt", pixels, *audio, "-shortest", str(path)],
            check=True)
    return path


def make_page(folder):
    page = folder / "page.html"
    page.write_text("<!DOCTYPE html><html><head><title>Local page</title></head>"
                    "<body><h1>A local page</h1><p>" + "Text. " * 400 + "</p></body></html>")
    return page


LONG_LIST = 10000


def make_long_list(folder):
    """A music collection's worth of entries (links to one short clip), as a .m3u with titles
    and as the same names for the command line; and a list of one."""
    files = folder / "collection"
    files.mkdir(exist_ok=True)
    clip = folder / "entry.mp4"
    if not clip.exists():
        subprocess.run(["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc2=size=320x240:rate=25:duration=2", "-pix_fmt", "yuv420p",
                        str(clip)], check=True)
    names = []
    for number in range(LONG_LIST):
        path = files / f"song{number:05d}.mp4"
        if not path.exists():
            os.link(clip, path)
        names.append(path)
    lines = ["#EXTM3U"]
    for number, path in enumerate(names):
        lines += [f"#EXTINF:2,Song {number}", f"collection/{path.name}"]
    (folder / "collection.m3u").write_text("\n".join(lines) + "\n")
    (folder / "one.m3u").write_text(f"collection/{names[0].name}\n")
    return names


class VirtualDisplay:
    """One Xvfb for the whole run; -ac lets VLC, run as another user, draw on it too."""

    def __init__(self, screen):
        for number in range(140, 200):
            if not Path(f"/tmp/.X11-unix/X{number}").exists() and \
               not Path(f"/tmp/.X{number}-lock").exists():
                self.name = f":{number}"
                break
        else:
            raise BenchError("no free X display number")
        self.process = subprocess.Popen(
            ["Xvfb", self.name, "-screen", "0", f"{screen[0]}x{screen[1]}x24", "-ac", "-nolisten",
             "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while not Path(f"/tmp/.X11-unix/X{self.name[1:]}").exists():
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise BenchError("Xvfb did not start")
            time.sleep(0.05)

    def close(self):
        self.process.terminate()
        self.process.wait(10)


# ----- watching a program ----------------------------------------------------------------------


def child_pid(parent, timeout=10.0):
    """The program started by /usr/bin/time (or by a user switch)."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            children = Path(f"/proc/{parent}/task/{parent}/children").read_text().split()
        except FileNotFoundError:
            children = []
        if children:
            pid = int(children[0])
            # setpriv (VLC's user switch) replaces itself with the program: wait for that.
            try:
                comm = Path(f"/proc/{pid}/comm").read_text().strip()
            except FileNotFoundError:
                comm = ""
            if comm != "setpriv":
                return pid
        time.sleep(0.001)
    raise BenchError(f"process {parent} started nothing")


def cpu_seconds(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICK


def has_library(pid, name):
    try:
        return name in Path(f"/proc/{pid}/maps").read_text()
    except FileNotFoundError:
        return False


def window_geometry(window, env):
    """X, Y, WIDTH and HEIGHT of a window, as numbers."""
    shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                           capture_output=True, text=True, env=env).stdout
    return {key: int(value) for key, value in (line.split("=") for line in shell.split())}


def largest_window(pid, env):
    """The largest visible window of pid: the full-screen one, once it is up."""
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                             capture_output=True, text=True, env=env).stdout.split()
    sizes = {window: window_geometry(window, env) for window in windows}
    return max(windows, key=lambda w: sizes[w]["WIDTH"] * sizes[w]["HEIGHT"], default=None)


class FrameSpacing:
    """When the X server sees a window's picture change (X Damage, as a compositor would): the
    spacing of the frames that reach the screen. Damage reported within 2 ms of the last is one
    change; a change smaller than half the window (a clock in a control bar) is no frame."""

    def __init__(self, env, window):
        from Xlib import display, error
        from Xlib.ext import damage
        if window is None:
            raise BenchError("no window to watch")
        self.display = display.Display(env["DISPLAY"])
        self.display.damage_query_version()
        self.window = self.display.create_resource_object("window", int(window))
        try:
            size = self.window.get_geometry()
        except error.XError as failure:
            raise BenchError(f"window {window} went: {failure}") from failure
        self.least = size.width * size.height // 2
        self.damage = self.window.damage_create(damage.DamageReportRawRectangles)
        self.notify = self.display.extension_event.DamageNotify
        self.times = []

    def watch(self, seconds):
        deadline = time.monotonic() + seconds
        start, last, area = None, None, 0
        while (left := deadline - time.monotonic()) > 0:
            select.select([self.display.fileno()], [], [], min(left, 0.05))
            now = time.monotonic()
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type != self.notify:
                    continue
                # A picture may be put in slices (mpv's x11 output): one frame.
                if last is None or now - last > 0.002:
                    if area >= self.least:
                        self.times.append(start)
                    start, area = now, 0
                last = now
                area += event.area.width * event.area.height
        if area >= self.least:
            self.times.append(start)
        # The damage object reports the whole window once as it is made: no frame, and an
        # interval of any length to the first one.
        del self.times[:1]
        self.display.close()

    def figures(self, rate):
        """Standard deviation of the intervals (ms), and the share (%) more than a quarter of
        the frame interval off it."""
        intervals = [b - a for a, b in zip(self.times, self.times[1:])]
        if len(intervals) < 2:
            return None, None
        off = sum(1 for i in intervals if abs(i - 1 / rate) > 0.25 / rate)
        return statistics.stdev(intervals) * 1000, off * 100 / len(intervals)


def visible_window(pid, env, name=None):
    # VLC names no process on its windows (_NET_WM_PID): it is found by its title instead.
    which = ["--name", name] if name else ["--pid", str(pid)]
    result = subprocess.run(["xdotool", "search", "--onlyvisible", *which],
                            capture_output=True, text=True, env=env)
    ids = result.stdout.split()
    return ids[0] if ids else None


def wait_window(pid, env, start, timeout=20.0, name=None):
    """Seconds from start until a window of pid is mapped, polled every few milliseconds."""
    deadline = start + timeout
    while time.monotonic() < deadline:
        window = visible_window(pid, env, name)
        if window:
            return time.monotonic() - start, window
        time.sleep(0.003)
    raise BenchError(f"no window from process {pid}")


@dataclass
class Run:
    """A program started under /usr/bin/time -v, its stderr kept in a file."""
    argv: list
    env: dict
    folder: Path
    user: str = ""
    start: float = 0.0
    pid: int = 0
    process: subprocess.Popen = None
    time_file: Path = None
    err_file: Path = None
    peak_kib: int = 0

    def __post_init__(self):
        fd, name = tempfile.mkstemp(dir=self.folder, suffix=".time")
        os.close(fd)
        self.time_file = Path(name)
        fd, name = tempfile.mkstemp(dir=self.folder, suffix=".err")
        os.close(fd)
        self.err_file = Path(name)
        command = ["/usr/bin/time", "-v", "-o", str(self.time_file)]
        if self.user:
            entry = pwd.getpwnam(self.user)
            command += ["setpriv", f"--reuid={entry.pw_uid}", f"--regid={entry.pw_gid}",
                        "--clear-groups"]
        command += self.argv
        with open(self.err_file, "wb") as err:
            self.start = time.monotonic()
            self.process = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                            stderr=err)
        self.pid = child_pid(self.process.pid)

    def stderr(self):
        return self.err_file.read_text(errors="replace")

    def stop(self, timeout=20.0):
        if self.process.poll() is None:
            try:
                os.kill(self.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                self.process.wait(timeout)
            except subprocess.TimeoutExpired:
                os.kill(self.pid, signal.SIGKILL)
                self.process.wait(timeout)
        match = re.search(r"Maximum resident set size \(kbytes\): (\d+)",
                          self.time_file.read_text())
        self.peak_kib = int(match.group(1)) if match else 0
        return self.peak_kib


class TimingLog:
    """Vyx Player's timing lines: '<microseconds> <event> <detail>' after the category."""
    LINE = re.compile(r"vyx\.timing: (\d+) (\S+) ?(.*)$")

    def __init__(self, run):
        self.run = run

    def events(self):
        found = []
        for line in self.run.stderr().splitlines():
            match = self.LINE.search(line)
            if match:
                found.append((int(match.group(1)) / 1e6, match.group(2), match.group(3)))
        return found

    def first(self, event):
        return next((e for e in self.events() if e[1] == event), None)

    def last(self, event):
        matches = [e for e in self.events() if e[1] == event]
        return matches[-1] if matches else None

    def wait(self, event, timeout=30.0, detail=None):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for e in self.events():
                if e[1] == event and (detail is None or e[2].startswith(detail)):
                    return e
            if self.run.process.poll() is not None:
                break
            time.sleep(0.01)
        raise BenchError(f"vyxplayer never logged {event}:\n{self.run.stderr()[-2000:]}")


class MpvIpc:
    def __init__(self, path, timeout=10.0):
        deadline = time.monotonic() + timeout
        while True:
            try:
                self.sock = socket.socket(socket.AF_UNIX)
                self.sock.connect(str(path))
                break
            except OSError:
                self.sock.close()
                if time.monotonic() > deadline:
                    raise BenchError("mpv's IPC socket did not open")
                time.sleep(0.01)
        self.buffer = b""

    def get(self, name):
        self.sock.sendall(json.dumps({"command": ["get_property", name],
                                      "request_id": 1}).encode() + b"\n")
        while True:
            while b"\n" not in self.buffer:
                chunk = self.sock.recv(65536)
                if not chunk:
                    raise BenchError("mpv closed its IPC socket")
                self.buffer += chunk
            line, self.buffer = self.buffer.split(b"\n", 1)
            reply = json.loads(line)
            if reply.get("request_id") == 1:
                return reply.get("data")

    def close(self):
        self.sock.close()


def mpv_first_frame(log_path, timeout=30.0):
    """mpv's own time of its first frame, and when the line reached the log (monotonic clock).
    mpv's clock starts in its main(), after the dynamic loader is done; the line's arrival
    tells the time from the process start as well."""
    deadline = time.monotonic() + timeout
    pattern = re.compile(r"^\[\s*([\d.]+)\].*first video frame after restart shown", re.M)
    while time.monotonic() < deadline:
        if log_path.exists():
            match = pattern.search(log_path.read_text(errors="replace"))
            if match:
                return float(match.group(1)), time.monotonic()
        time.sleep(0.002)
    raise BenchError("mpv never showed its first frame")


# ----- the sides -------------------------------------------------------------------------------


class Bench:
    def __init__(self, args, displays, work):
        self.args = args
        self.work = work
        self.displays = displays
        self.vyx = str(Path(args.binary).resolve())
        self.env = dict(os.environ, DISPLAY=displays[SCREEN].name, LIBGL_ALWAYS_SOFTWARE="1",
                        QTWEBENGINE_DISABLE_SANDBOX="1", XDG_RUNTIME_DIR=str(work / "run"))
        (work / "run").mkdir(mode=0o700, exist_ok=True)
        self.env.pop("QT_LOGGING_RULES", None)
        self.vyx_env = dict(self.env, QT_LOGGING_RULES="vyx.timing.info=true")
        self.vlc_user = args.vlc_user if shutil.which("vlc") else ""
        if self.vlc_user:
            home = work / "vlc-home"
            home.mkdir(exist_ok=True)
            shutil.chown(home, user=self.vlc_user)
            self.vlc_env = dict(self.env, HOME=str(home), XDG_RUNTIME_DIR=str(home))
        self.samples = {}  # (figure, side) -> list of values
        self.failures = []  # (round, step, why) of the steps that failed
        self.outputs = {}  # side -> video output

    def on(self, screen, env):
        """The same environment, on the given screen's display."""
        return dict(env, DISPLAY=self.displays[screen].name)

    def add(self, figure, side, value):
        # A figure a side does not report (VLC's dropped frames) is left out, not zero.
        if value is not None:
            self.samples.setdefault((figure, side), []).append(value)

    def settle(self):
        time.sleep(self.args.pause)

    # start-up and idle memory

    def vyx_start(self):
        run = Run([self.vyx], self.vyx_env, self.work)
        try:
            seconds, _ = wait_window(run.pid, self.env, run.start)
            time.sleep(self.args.idle_seconds)
            engine = has_library(run.pid, "libQt6WebEngineCore")
        finally:
            peak = run.stop()
        self.add("start-up to main window mapped (ms)", "vyx", seconds * 1000)
        self.add("peak memory, idle main window (MiB)", "vyx", peak / 1024)
        self.add("web engine loaded before the browser is shown (0 = no)", "vyx", int(engine))

    def mpv_start(self, output):
        side = f"mpv {output}"
        run = Run(["mpv", "--no-config", "--idle", "--force-window", *MPV_OUTPUTS[output],
                   *MPV_AUDIO], self.env, self.work)
        try:
            seconds, _ = wait_window(run.pid, self.env, run.start)
            time.sleep(self.args.idle_seconds)
        finally:
            peak = run.stop()
        self.add("start-up to main window mapped (ms)", side, seconds * 1000)
        self.add("peak memory, idle main window (MiB)", side, peak / 1024)

    def vlc_start(self):
        run = Run(["vlc", "--no-qt-privacy-ask", "--no-qt-error-dialogs", "--no-video-title-show"],
                  self.vlc_env, self.work, user=self.vlc_user)
        try:
            seconds, _ = wait_window(run.pid, self.env, run.start, name="VLC media player")
            time.sleep(self.args.idle_seconds)
        finally:
            peak = run.stop()
        self.add("start-up to main window mapped (ms)", "vlc", seconds * 1000)
        self.add("peak memory, idle main window (MiB)", "vlc", peak / 1024)

    # open to first frame

    def vyx_first_frame(self):
        run = Run([self.vyx, str(self.clips[FIRST_CLIP])], self.vyx_env, self.work)
        timing = TimingLog(run)
        try:
            frame = timing.wait("first-frame")
            started = timing.first("start")
        finally:
            run.stop()
        self.add("open to first frame, 1080p, from process start (ms)", "vyx",
                 (frame[0] - run.start) * 1000)
        self.add("open to first frame, 1080p, from main() (ms)", "vyx",
                 (frame[0] - started[0]) * 1000)

    def mpv_first_frame(self, output):
        log_path = self.work / f"mpv-{output}.log"
        log_path.unlink(missing_ok=True)
        run = Run(["mpv", "--no-config", *MPV_OUTPUTS[output], *MPV_AUDIO,
                   f"--log-file={log_path}", str(self.clips[FIRST_CLIP])], self.env, self.work)
        try:
            seconds, arrived = mpv_first_frame(log_path)
        finally:
            run.stop()
        self.add("open to first frame, 1080p, from process start (ms)", f"mpv {output}",
                 (arrived - run.start) * 1000)
        self.add("open to first frame, 1080p, from main() (ms)", f"mpv {output}", seconds * 1000)

    # playing a clip in a video area of a given size

    def add_play(self, clip, place, side, cpu, drops, peak_kib, spacing=None):
        def add(metric, value):
            self.add(("play", metric, clip, place.name()), side, value)
        add("CPU seconds", cpu)
        add("dropped frames", drops)
        add("peak memory (MiB)", peak_kib / 1024)
        if spacing is not None:
            deviation, off = spacing.figures(CLIP_RATE)
            add("frame spacing SD (ms)", deviation)
            add("frames off their time (%)", off)

    def vyx_window(self, run, env):
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            found = subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(run.pid), "--name",
                 "Media Player"], capture_output=True, text=True, env=env).stdout.split()
            if found:
                return found[-1]
            time.sleep(0.01)
        raise BenchError("the player window did not appear")

    def vyx_fit(self, timing, window, area, env):
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

    def vyx_full_screen(self, timing, window, screen, env):
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

    def vyx_play(self, clip, place):
        env = self.on(place.screen, self.vyx_env)
        run = Run([self.vyx, "--separate-window", str(self.clips[clip])], env, self.work)
        timing = TimingLog(run)
        try:
            timing.wait("first-frame")
            window = self.vyx_window(run, env)
            if place.area is None:
                self.vyx_full_screen(timing, window, place.screen, env)
                window = largest_window(run.pid, env)
            else:
                self.vyx_fit(timing, window, place.area, env)
            cpu, spacing = self.measure_cpu(run.pid, env, window)
        finally:
            peak = run.stop()
        drops = timing.last("dropped-frames")
        counts = dict(re.findall(r"(\w+)=(\d+)", drops[2])) if drops else {}
        self.add_play(clip, place, "vyx", cpu,
                      int(counts.get("output", 0)) + int(counts.get("decoder", 0))
                      if counts else -1, peak, spacing)
        self.outputs["vyx"] = ("libmpv's software render API (swscale with its fast chroma: area "
                               "shrinking, bicubic enlarging, bilinear past a 1920x1200 screen's "
                               "worth, its SSE horizontal scaler rather than AVX2 gathers on AMD "
                               "processors; zimg for 4:4:4 and RGB; one decoder thread up to "
                               "1080p30), into Qt's window buffer (XShm): straight in when the "
                               "picture spans the window (full screen), else copied from its "
                               "own; each frame drawn 10 ms before its time (20 ms past a "
                               "1920x1200 screen's worth) and shown at it")

    def mpv_play(self, clip, place, output):
        side = f"mpv {output}"
        sock = self.work / f"mpv-{output}.sock"
        sock.unlink(missing_ok=True)
        log_path = self.work / f"mpv-play-{output}.log"
        log_path.unlink(missing_ok=True)
        area = place.area
        size = ["--fs"] if area is None else [f"--geometry={area[0]}x{area[1]}"]
        run = Run(["mpv", "--no-config", *MPV_OUTPUTS[output], *MPV_AUDIO, *size,
                   f"--input-ipc-server={sock}", f"--log-file={log_path}",
                   str(self.clips[clip])], self.on(place.screen, self.env), self.work)
        try:
            mpv_first_frame(log_path)
            ipc = MpvIpc(sock)
            cpu, spacing = self.measure_cpu(run.pid, run.env, largest_window(run.pid, run.env))
            drops = (ipc.get("frame-drop-count") or 0) + (ipc.get("decoder-frame-drop-count") or 0)
            ipc.close()
        finally:
            peak = run.stop()
        self.add_play(clip, place, side, cpu, drops, peak, spacing)

    def vlc_play(self, clip, place):
        # VLC's own window takes the picture's size; its zoom makes it the area asked for. Without
        # a window manager it cannot take the screen: the whole width is the same picture.
        width = place.screen[0] if place.area is None else place.area[0]
        picture = int(CLIPS[clip][0].split("x")[0])
        env = self.on(place.screen, self.vlc_env)
        run = Run(["vlc", "--intf", "dummy", "--no-video-title-show", "--vout=xcb_x11",
                   f"--zoom={width / picture:.6f}", "--play-and-exit", str(self.clips[clip])],
                  env, self.work, user=self.vlc_user)
        try:
            wait_window(run.pid, env, run.start, name="VLC media player")
            cpu, _ = self.measure_cpu(run.pid)
        finally:
            peak = run.stop()
        self.add_play(clip, place, "vlc", cpu, None, peak)

    def measure_cpu(self, pid, env=None, window=None):
        """CPU seconds over the playing time, once playing has settled (a new window, a new
        size), and the frames' spacing meanwhile when a window is named."""
        time.sleep(self.args.settle_seconds)
        spacing = None if window is None else FrameSpacing(env, window)
        before = cpu_seconds(pid)
        if spacing is None:
            time.sleep(self.args.play_seconds)
        else:
            spacing.watch(self.args.play_seconds)
        return cpu_seconds(pid) - before, spacing

    def ffmpeg_floor(self):
        for clip, path in self.clips.items():
            result = subprocess.run(
                ["/usr/bin/time", "-f", "%U %S %M", "ffmpeg", "-v", "error", "-t",
                 str(self.args.play_seconds), "-i", str(path), "-f", "null", "-"],
                capture_output=True, text=True, check=True)
            user, system, peak = result.stderr.split()[-3:]
            for played, place in self.plan:
                if played == clip:
                    self.add_play(clip, place, "ffmpeg decode only", float(user) + float(system),
                                  None, int(peak))

    # the browser

    def vyx_browser(self):
        run = Run([self.vyx, "--browse", self.page.as_uri()], self.vyx_env, self.work)
        timing = TimingLog(run)
        try:
            done = timing.wait("download-complete", detail=self.page.as_uri())
            time.sleep(self.args.idle_seconds)
        finally:
            peak = run.stop()
        shown = timing.first("browser-show")
        address = timing.first("browser-address")
        navigate = timing.first("navigate")
        self.add("browser: first show to start address in the box (ms)", "vyx",
                 (address[0] - shown[0]) * 1000)
        self.add("browser: local page to DownloadComplete (ms)", "vyx",
                 (done[0] - navigate[0]) * 1000)
        self.add("peak memory, after the browser opened (MiB)", "vyx", peak / 1024)

    # a music collection as a list

    def vyx_list_start(self, arguments):
        run = Run([self.vyx, *arguments], self.vyx_env, self.work)
        timing = TimingLog(run)
        try:
            frame = timing.wait("first-frame")
            time.sleep(self.args.idle_seconds)
        finally:
            peak = run.stop()
        return (frame[0] - run.start) * 1000, peak / 1024

    def vyx_long_list(self):
        one_ms, one_peak = self.vyx_list_start([str(self.media / "one.m3u")])
        for what, arguments in ((f"{LONG_LIST:,}-entry .m3u", [str(self.media / "collection.m3u")]),
                                (f"{LONG_LIST:,} files on the command line",
                                 [str(path) for path in self.long_list])):
            ms, peak = self.vyx_list_start(arguments)
            self.add(f"{what}: open to first frame, from process start (ms)", "vyx", ms)
            self.add(f"{what}: peak memory above a list of one (MiB)", "vyx", peak - one_peak)
        self.add("list of one .m3u: open to first frame, from process start (ms)", "vyx", one_ms)

    # the whole run

    def prepare(self):
        media = self.work / "media"
        media.mkdir(exist_ok=True)
        # A smoke run shows that every kind of figure still works: one clip is enough.
        self.plan = SMOKE_PLAN if self.args.smoke else PLAN
        if self.args.only:
            self.plan = [(c, p) for c, p in self.plan
                         if re.search(self.args.only, f"{c} in {p.name()}")]
        names = dict.fromkeys(clip for clip, _ in self.plan)
        self.clips = {name: make_clip(media, name, self.args.clip_seconds) for name in names}
        self.page = make_page(media)
        self.long_list = make_long_list(media)
        self.media = media

    def rounds(self):
        """One round runs every figure once for every side, alternating the sides: a list of
        (what, how) pairs."""
        steps = [("vyx start", self.vyx_start),
                 *((f"mpv {o} start", lambda o=o: self.mpv_start(o)) for o in MPV_OUTPUTS)]
        if self.vlc_user:
            steps.append(("vlc start", self.vlc_start))
        steps += [("vyx first frame", self.vyx_first_frame),
                  *((f"mpv {o} first frame", lambda o=o: self.mpv_first_frame(o))
                    for o in MPV_OUTPUTS)]
        if self.args.only:
            steps = []
        for clip, place in self.plan:
            where = f"{clip} in {place.name()}"
            steps.append((f"vyx, {where}", lambda c=clip, p=place: self.vyx_play(c, p)))
            steps.extend((f"mpv {o}, {where}", lambda c=clip, p=place, o=o: self.mpv_play(c, p, o))
                         for o in MPV_OUTPUTS)
            if self.vlc_user:
                steps.append((f"vlc, {where}", lambda c=clip, p=place: self.vlc_play(c, p)))
        if not self.args.only:
            steps.append(("vyx browser", self.vyx_browser))
        if not self.args.only or re.search(self.args.only, "long list"):
            steps.append(("vyx long list", self.vyx_long_list))
        return steps

    def run(self):
        self.prepare()
        self.ffmpeg_floor()
        steps = self.rounds()
        for number in range(self.args.runs):
            log(f"round {number + 1} of {self.args.runs}")
            for what, step in steps:
                # One step that fails (a window that never came) costs its sample, not the run.
                try:
                    step()
                except BenchError as error:
                    log(f"{what} failed: {error}")
                    self.failures.append((number + 1, what, error))
                self.settle()
        self.outputs["mpv x11"] = "--vo=x11 (zimg, mpv's default lanczos, as its log says)"
        self.outputs["mpv gpu"] = ("--vo=gpu --gpu-sw (GL on llvmpipe, mpv's default scale "
                                   "bilinear)")
        if self.vlc_user:
            self.outputs["vlc"] = ("--vout=xcb_x11 (its swscale converter, bicubic; full screen is "
                                   "the screen's width, without a window manager), Qt "
                                   "interface for start-up")
        self.outputs["ffmpeg decode only"] = "-f null: the decoder's own cost, the floor"


# ----- the tables ------------------------------------------------------------------------------

PEERS = [*(f"mpv {o}" for o in MPV_OUTPUTS), "vlc"]


def best_of(medians, figure, sides):
    values = [medians[(figure, side)] for side in sides if (figure, side) in medians]
    return min(values) if values else None


# Figures of their own -> (goal text, how far from the best mpv at most).
GOALS = {
    "start-up to main window mapped (ms)": ("no slower than mpv --idle --force-window", 1.0),
    "open to first frame, 1080p, from process start (ms)": ("at most 0.9 x mpv", 0.9),
}
ABSOLUTE = {
    "peak memory, idle main window (MiB)": ("at most 60 MiB", 60),
    "web engine loaded before the browser is shown (0 = no)": ("0", 0),
    "browser: first show to start address in the box (ms)": ("under 300 ms", 300),
    "browser: local page to DownloadComplete (ms)": ("under 500 ms", 500),
    f"{LONG_LIST:,}-entry .m3u: open to first frame, from process start (ms)":
        ("under 1000 ms", 1000),
    f"{LONG_LIST:,}-entry .m3u: peak memory above a list of one (MiB)": ("at most 20 MiB", 20),
    f"{LONG_LIST:,} files on the command line: open to first frame, from process start (ms)":
        ("under 1000 ms", 1000),
    f"{LONG_LIST:,} files on the command line: peak memory above a list of one (MiB)":
        ("at most 20 MiB", 20),
}


def judge(figure, medians):
    vyx = medians.get((figure, "vyx"))
    if vyx is None:
        return "", "", ""
    if figure in GOALS:
        text, factor = GOALS[figure]
        best = best_of(medians, figure, PEERS[:-1])
        if not best:
            return text, "", ""
        return text, f"{vyx / best:.2f}", "met" if vyx / best <= factor else "not met"
    if figure in ABSOLUTE:
        text, limit = ABSOLUTE[figure]
        return text, "", "met" if vyx <= limit else "not met"
    return "", "", ""


# Playing: metric -> (goal text, the peers it is judged against, verdict from (vyx, best)).
PLAY_GOALS = {
    "CPU seconds": ("at most 0.95 x the best peer", PEERS, lambda v, b: v <= 0.95 * b),
    "dropped frames": ("none where the best peer drops none", PEERS,
                       lambda v, b: b > 0 or v == 0),
    "peak memory (MiB)": ("at most the best mpv's", PEERS[:-1], lambda v, b: v <= b),
    "frame spacing SD (ms)": ("at most the best mpv's", PEERS[:-1], lambda v, b: v <= b),
    "frames off their time (%)": ("at most the best mpv's", PEERS[:-1], lambda v, b: v <= b),
}


def cell(value):
    if value is None:
        return "–"
    return f"{value:.0f}" if abs(value) >= 100 or float(value).is_integer() else f"{value:.2f}"


def write_tables(bench, out, machine):
    medians = {key: statistics.median(values) for key, values in bench.samples.items()}
    sides = ["vyx", *PEERS[:-1]]
    if bench.vlc_user:
        sides.append("vlc")
    sides.append("ffmpeg decode only")
    figures = list(dict.fromkeys(figure for figure, _ in bench.samples))
    general = [f for f in figures if isinstance(f, str)]
    playing = [f for f in figures if not isinstance(f, str)]
    out.mkdir(parents=True, exist_ok=True)

    def name(figure):
        return figure if isinstance(figure, str) else f"{figure[1]}, {figure[2]} in {figure[3]}"

    def verdict(figure):
        if isinstance(figure, str):
            return judge(figure, medians)
        text, peers, passes = PLAY_GOALS[figure[1]]
        vyx, best = medians.get((figure, "vyx")), best_of(medians, figure, peers)
        if vyx is None or best is None:
            return text, "", ""
        ratio = f"{vyx / best:.2f}" if best else ""
        return text, ratio, "met" if passes(vyx, best) else "not met"

    with open(out / "results.csv", "w", newline="") as handle:
        writer = csv.writer(handle)
        writer.writerow(["figure", *sides, "ratio vyx / best peer", "goal", "verdict", "runs"])
        for figure in figures:
            goal, ratio, met = verdict(figure)
            runs = max(len(bench.samples.get((figure, s), [])) for s in sides)
            writer.writerow([name(figure), *("" if medians.get((figure, s)) is None
                                             else f"{medians[(figure, s)]:.4g}" for s in sides),
                             ratio, goal, met, runs])

    lines = [
        "# Vyx Player against mpv and VLC",
        "",
        f"Medians of {bench.args.runs} alternating runs; {machine}.",
        "",
        "| figure | " + " | ".join(sides) + " | vyx / best mpv | goal | verdict |",
        "|---|" + "---|" * (len(sides) + 3),
    ]
    for figure in general:
        goal, ratio, met = verdict(figure)
        lines.append(f"| {figure} | " + " | ".join(cell(medians.get((figure, s))) for s in sides)
                     + f" | {ratio} | {goal} | {met} |")
    for metric, (goal, peers, _) in PLAY_GOALS.items():
        lines += ["", f"## Playing {bench.args.play_seconds:g} s: {metric}", "",
                  f"Goal: {goal} ({', '.join(peers)}).", "",
                  "| clip | area | " + " | ".join(sides) + " | vyx / best peer | verdict |",
                  "|---|---|" + "---|" * (len(sides) + 2)]
        for figure in (f for f in playing if f[1] == metric):
            _, ratio, met = verdict(figure)
            lines.append(f"| {figure[2]} | {figure[3]} | "
                         + " | ".join(cell(medians.get((figure, s))) for s in sides)
                         + f" | {ratio} | {met} |")
    lines += ["", "Video output and scaler of each side:", ""]
    lines += [f"- {side}: {text}" for side, text in bench.outputs.items()]
    if bench.failures:
        lines += ["", "Steps that failed (their samples are missing):", ""]
        lines += [f"- {describe_failure(failure)}" for failure in bench.failures]
    lines += ["", "Every sample, in run order:", ""]
    for (figure, side), values in bench.samples.items():
        lines.append(f"- {name(figure)}, {side}: " + ", ".join(cell(v) for v in values))
    (out / "results.md").write_text("\n".join(lines) + "\n")
    return out / "results.md"


def describe_failure(failure):
    number, step, error = failure
    return f"round {number}, {step}: {error}"


def describe_machine():
    cpu = "unknown CPU"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
    memory = int(Path("/proc/meminfo").read_text().split()[1]) // (1024 * 1024)
    mpv = subprocess.run(["mpv", "--version"], capture_output=True, text=True).stdout.split()[1]
    return (f"{os.cpu_count()} cores of {cpu}, {memory} GiB, {platform.system()} "
            f"{platform.release()}, Xvfb {SCREEN[0]}x{SCREEN[1]}x24 and "
            f"{BIG_SCREEN[0]}x{BIG_SCREEN[1]}x24 with Mesa llvmpipe, mpv {mpv}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--binary", required=True, help="the vyxplayer executable")
    parser.add_argument("--out", default="bench/results", help="where the tables go")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--quick", action="store_true", help="one round")
    parser.add_argument("--smoke", action="store_true",
                        help="one short run of every figure, to see that the bench works")
    parser.add_argument("--only", help="play only the clips and places that match this "
                        "expression ('1080p H.264 in full screen 3840x2160'), and nothing else")
    parser.add_argument("--keep-going", action="store_true",
                        help="a run whose steps failed still ends well")
    parser.add_argument("--vlc-user", default="nobody",
                        help="VLC refuses to run as root: the user it runs as")
    args = parser.parse_args()
    args.pause = 0.5
    args.idle_seconds = 2.0
    args.play_seconds = PLAY_SECONDS
    args.settle_seconds = 1.0
    args.clip_seconds = 12
    if args.quick:
        args.runs = 1
    if args.smoke:
        args.runs, args.pause, args.idle_seconds, args.play_seconds = 1, 0.1, 0.3, 1.0
        args.settle_seconds, args.clip_seconds = 0.2, 3
    for tool in ("Xvfb", "xdotool", "ffmpeg", "mpv", "/usr/bin/time"):
        if not shutil.which(tool):
            raise BenchError(f"{tool} is missing: run bench/run.sh, which installs it")
    if os.geteuid() != 0:
        args.vlc_user = ""
    else:
        try:
            pwd.getpwnam(args.vlc_user)
        except KeyError:
            args.vlc_user = ""

    work = Path(tempfile.mkdtemp(prefix="vyx-bench-"))
    os.chmod(work, 0o755)
    displays = {}
    try:
        for screen in (SCREEN, BIG_SCREEN):
            displays[screen] = VirtualDisplay(screen)
        bench = Bench(args, displays, work)
        bench.run()
        table = write_tables(bench, Path(args.out), describe_machine())
        print(table.read_text())
        # A figure missing is no figure met. A smoke run shows that Vyx Player's every step
        # works; the peers are other people's programs, and here one start of mpv in some twenty
        # never shows its window, which would make the test suite fail for them.
        failed = [f for f in bench.failures if not args.smoke or f[1].startswith("vyx")]
        if failed and not args.keep_going:
            raise BenchError(f"{len(failed)} steps failed:\n" +
                             "\n".join(describe_failure(f) for f in failed))
    finally:
        for display in displays.values():
            display.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except BenchError as error:
        print(f"bench: {error}", file=sys.stderr)
        sys.exit(1)
