#!/usr/bin/env python3
"""Measures Vyx Player side by side with mpv (and VLC where it applies), alternating the
programs run by run, and writes the medians and ratios to a Markdown and a CSV table. The
software run draws on virtual X servers with software GL; the GPU run (--gpu) on the desktop's
own display, where there is a GPU.

Every figure is read with public tools: xdotool to see a window appear, /proc for CPU time and
memory maps, /usr/bin/time -v for peak memory, the programs' own logs (mpv's log file and IPC
socket, VLC's verbose log) and Vyx Player's timing and media logs
(QT_LOGGING_RULES="vyx.timing.info=true;vyx.media.info=true")."""

import argparse
import os
import pwd
import shutil
import sys
import tempfile
from pathlib import Path

from vyxbench import gpu as gpus
from vyxbench.clips import BIG_SCREEN, SCREEN
from vyxbench.common import BenchError
from vyxbench.display import Desktop, VirtualDisplay
from vyxbench.report import describe_failure, describe_machine, write_tables
from vyxbench.rounds import Bench
from vyxbench.sides import Stage
from vyxbench.vyx import VIDEO_OUTPUTS

PLAY_SECONDS = 8.0


def parse_arguments():
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
                        help="VLC refuses to run as root: the user it runs as then")
    parser.add_argument("--video-output", choices=VIDEO_OUTPUTS,
                        help="passed to Vyx Player as --video-output=VALUE (by default nothing "
                        "is passed; on a GPU run both auto and opengl are measured)")
    parser.add_argument("--gpu", action="store_true",
                        help="the GPU run, on the desktop's display ($DISPLAY): H.264, HEVC "
                        "10-bit and AV1 in a window and full screen against mpv --vo=gpu "
                        "--hwdec=auto-safe and VLC's default output; where there is no GPU it "
                        "says so and ends well")
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
    return args


def vlc_user(wanted):
    """Whom VLC runs as: "" for the bench's own user, None where it cannot run (as root, with
    no such user to switch to)."""
    if os.geteuid() != 0:
        return ""
    try:
        pwd.getpwnam(wanted)
        return wanted
    except KeyError:
        return None


def open_displays(gpu):
    """The screens the sides draw on, by size, the main one first; and the desktop on a GPU
    run."""
    if gpu:
        desktop = Desktop(os.environ["DISPLAY"])
        return {desktop.screen: desktop}, desktop
    displays = {}
    try:
        for screen in (SCREEN, BIG_SCREEN):
            displays[screen] = VirtualDisplay(screen)
    except BenchError:
        close(displays)
        raise
    return displays, None


def close(displays):
    for display in displays.values():
        display.close()


def main():
    args = parse_arguments()
    gpu = None
    if args.gpu:
        gpu = gpus.probe(os.environ, need_glxinfo=True)
        if gpu.missing:
            gpus.say_missing(gpu)
            return
    for tool in ("xdotool", "ffmpeg", "mpv", "/usr/bin/time", *(() if args.gpu else ("Xvfb",))):
        if not shutil.which(tool):
            raise BenchError(f"{tool} is missing: run bench/run.sh, which installs it")

    work = Path(tempfile.mkdtemp(prefix="vyx-bench-"))
    os.chmod(work, 0o755)
    displays = {}
    try:
        displays, desktop = open_displays(args.gpu)
        stage = Stage.make(args, work, displays, gpu_run=args.gpu)
        bench = Bench(stage, vlc_user(args.vlc_user), args.video_output)
        bench.run()
        table = write_tables(bench, Path(args.out), describe_machine(desktop, gpu))
        print(table.read_text())
        # A figure missing is no figure met. A smoke run shows that Vyx Player's every step
        # works; the peers are other people's programs, and here one start of mpv in some twenty
        # never shows its window, which would make the test suite fail for them.
        failed = [f for f in bench.failures if not args.smoke or f[1].startswith("vyx")]
        if failed and not args.keep_going:
            raise BenchError(f"{len(failed)} steps failed:\n" +
                             "\n".join(describe_failure(f) for f in failed))
    finally:
        close(displays)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except BenchError as error:
        print(f"bench: {error}", file=sys.stderr)
        sys.exit(1)
