"""The X servers the sides draw on (an Xvfb of the bench's own, or the desktop's display for a
GPU run) and the sides' windows on them, found and sized with xdotool."""

import os
import subprocess
import time
from pathlib import Path

from .common import BenchError


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


class Desktop:
    """The user's own display, with its GPU, window manager and compositor: measured as it is,
    and left as it was."""

    def __init__(self, name):
        self.name = name
        found = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True,
                               env=dict(os.environ, DISPLAY=name))
        if found.returncode != 0:
            raise BenchError(f"the display {name} could not be opened: {found.stderr.strip()}")
        width, height = found.stdout.split()
        self.screen = (int(width), int(height))

    def close(self):
        pass


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
