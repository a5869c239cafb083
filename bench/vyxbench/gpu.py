"""Whether this machine has a GPU for the GPU run to measure, decided without loading GL into
the bench: no render node, Mesa told to draw in software, or a GL renderer that is software
(glxinfo, where it is installed, asks the desktop's display).

Run as `python3 -m vyxbench.gpu` (with bench/ on the path) before anything is installed or
built: it says in one line why there is no GPU and exits 3, or exits 0."""

import glob
import os
import re
import shutil
import subprocess
import sys
from dataclasses import dataclass

from .common import BenchError

SOFTWARE_RENDERER = re.compile(r"llvmpipe|softpipe|swrast", re.I)
NO_GPU = 3


def is_software_renderer(name):
    return bool(SOFTWARE_RENDERER.search(name))


@dataclass(frozen=True)
class Gpu:
    """Why no GPU is to be measured (None where one is), and the desktop's GL renderer where
    glxinfo named it."""
    missing: str = None
    renderer: str = ""


def renderer_of(display):
    """The GL renderer of display, and whether Mesa calls it accelerated."""
    result = subprocess.run(["glxinfo", "-B"], capture_output=True, text=True,
                            env=dict(os.environ, DISPLAY=display))
    if result.returncode != 0:
        raise BenchError(f"glxinfo -B on {display} failed: {result.stderr.strip()[-300:]}")
    found = re.search(r"^OpenGL renderer string: (.*)$", result.stdout, re.M)
    accelerated = not re.search(r"^\s*Accelerated: no$", result.stdout, re.M)
    return (found.group(1).strip() if found else ""), accelerated


def probe(env, need_glxinfo):
    """What this machine offers a GPU run. Without glxinfo the display's renderer is not asked
    unless need_glxinfo, which makes its absence an error."""
    if env.get("LIBGL_ALWAYS_SOFTWARE", "").lower() in ("1", "true", "yes", "y"):
        return Gpu("LIBGL_ALWAYS_SOFTWARE is set: GL draws in software")
    if not glob.glob("/dev/dri/renderD*"):
        return Gpu("no GPU device (no /dev/dri/renderD* node)")
    display = env.get("DISPLAY")
    if not display:
        raise BenchError("a GPU run measures the desktop: run it in the desktop's session "
                         "($DISPLAY is not set)")
    if not shutil.which("glxinfo"):
        if need_glxinfo:
            raise BenchError("glxinfo is missing: run bench/run.sh --gpu, which installs it")
        return Gpu()
    renderer, accelerated = renderer_of(display)
    if not accelerated or is_software_renderer(renderer):
        return Gpu(f'the GL renderer on {display} is software ("{renderer}")', renderer)
    return Gpu(None, renderer)


def say_missing(gpu):
    print(f"bench: no GPU here, so no GPU run: {gpu.missing}")


def main():
    try:
        gpu = probe(os.environ, need_glxinfo=False)
    except BenchError as error:
        print(f"bench: {error}", file=sys.stderr)
        return 1
    if gpu.missing:
        say_missing(gpu)
        return NO_GPU
    return 0


if __name__ == "__main__":
    sys.exit(main())
