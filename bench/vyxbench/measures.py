"""What a program costs, read with public tools: /usr/bin/time -v for its peak resident memory,
/proc for its CPU time, its libraries and its unique memory (the private pages of
smaps_rollup, sampled while it runs), and X Damage for the spacing of the frames it shows."""

import os
import pwd
import re
import select
import signal
import statistics
import subprocess
import tempfile
import threading
import time
from dataclasses import dataclass
from pathlib import Path

from .common import BenchError

TICK = os.sysconf("SC_CLK_TCK")


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


def unique_kib(pid):
    """The memory only this process holds, in KiB: its private pages, clean and dirty. Peak
    resident memory also counts the shared libraries' code that every program using them
    shares (Qt's, the media libraries')."""
    text = Path(f"/proc/{pid}/smaps_rollup").read_text()
    fields = dict(re.findall(r"^(\w+):\s+(\d+) kB", text, re.M))
    return sum(int(fields.get(name, 0))
               for name in ("Private_Clean", "Private_Dirty", "Private_Hugetlb"))


class UniqueMemory:
    """The peak of a process's unique memory, sampled on a thread of its own while it runs.
    Reading smaps_rollup walks the process's page tables in the reader's time, not the
    program's: its CPU figure is not touched."""
    INTERVAL = 0.1

    def __init__(self, pid):
        self.pid = pid
        self.peak = 0
        self.done = threading.Event()
        self.thread = threading.Thread(target=self.watch, daemon=True)
        self.thread.start()

    def sample(self):
        try:
            self.peak = max(self.peak, unique_kib(self.pid))
            return True
        except OSError:
            return False

    def watch(self):
        while self.sample() and not self.done.wait(self.INTERVAL):
            pass

    def stop(self):
        """The peak, with one last sample: a short run ends between two."""
        self.done.set()
        self.thread.join()
        self.sample()
        return self.peak


@dataclass
class Run:
    """A program started under /usr/bin/time -v, its stderr kept in a file and its unique
    memory sampled until it is stopped."""
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
    unique_kib: int = 0
    memory: UniqueMemory = None

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
        self.memory = UniqueMemory(self.pid)

    def stderr(self):
        return self.err_file.read_text(errors="replace")

    def stop(self, timeout=20.0):
        """Ends the program if it still runs; its peak resident memory in KiB."""
        self.unique_kib = self.memory.stop()
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
        self.peak_kib = int(self.reported("Maximum resident set size (kbytes)"))
        return self.peak_kib

    def reported(self, label):
        """A figure /usr/bin/time -v wrote once the program ended; 0 where it wrote none."""
        match = re.search(re.escape(label) + r": ([\d.]+)", self.time_file.read_text())
        return float(match.group(1)) if match else 0

    def cpu_total(self):
        """The CPU seconds of the program's whole life, once it ended."""
        return self.reported("User time (seconds)") + self.reported("System time (seconds)")


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


def measure_playing(pid, settle, seconds, env=None, window=None, count=None):
    """CPU seconds over the playing time, once playing has settled (a new window, a new
    size); the frames' spacing meanwhile when a window is named; and how much count() grew
    meanwhile, when it is given (events a side only logs, such as VLC's lost pictures)."""
    time.sleep(settle)
    spacing = None if window is None else FrameSpacing(env, window)
    counted = count() if count else 0
    before = cpu_seconds(pid)
    if spacing is None:
        time.sleep(seconds)
    else:
        spacing.watch(seconds)
    cpu = cpu_seconds(pid) - before
    return cpu, spacing, (count() - counted if count else None)
