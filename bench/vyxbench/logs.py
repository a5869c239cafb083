"""What the programs say of themselves: Vyx Player's timing log, mpv's log file and IPC
socket."""

import json
import re
import socket
import time

from .common import BenchError


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



def vlc_lost_pictures(log):
    """The pictures VLC's video output threw away as too late (its verbose log): its dropped
    frames."""
    return log.count("picture is too late to be displayed")
