"""What is played and where: the clips, the places a picture plays in, the plans of a software
and a GPU run, and the media made for them with Debian's ffmpeg at the start of a run."""

import os
import re
import subprocess
from dataclasses import dataclass

from .common import log

# What users play: name -> (picture size, video encoder arguments, audio encoder arguments,
# container, pixel format).
AAC = ["-c:a", "aac", "-b:a", "128k"]
OPUS = ["-c:a", "libopus", "-b:a", "128k"]
X264 = ["-c:v", "libx264", "-preset", "veryfast", "-g", "60"]
X265 = ["-c:v", "libx265", "-preset", "ultrafast", "-tag:v", "hvc1", "-x265-params",
        "log-level=error"]
VP9 = ["-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8", "-row-mt", "1", "-b:v",
       "4M"]
SVTAV1 = ["-c:v", "libsvtav1", "-preset", "12", "-crf", "35"]
CLIPS = {
    "1080p H.264": ("1920x1080", X264, AAC, "mp4", "yuv420p"),
    "2160p HEVC": ("3840x2160", X265, AAC, "mp4", "yuv420p"),
    "1080p VP9": ("1920x1080", VP9, OPUS, "webm", "yuv420p"),
    "1080p AV1": ("1920x1080", SVTAV1, OPUS, "mkv", "yuv420p"),
    "720p H.264": ("1280x720", X264, AAC, "mp4", "yuv420p"),
    # Screen recordings keep every colour sample (H.264 High 4:4:4, VP9 in RGB); cameras and
    # editors give 10 bits and 4:2:2.
    "1080p H.264 4:4:4": ("1920x1080", X264, AAC, "mp4", "yuv444p"),
    "1080p VP9 RGB": ("1920x1080", VP9, OPUS, "webm", "gbrp"),
    "1080p H.264 10-bit": ("1920x1080", X264, AAC, "mp4", "yuv420p10le"),
    "1080p H.264 4:2:2 10-bit": ("1920x1080", X264, AAC, "mp4", "yuv422p10le"),
    # What GPUs decode: phones and cameras record HEVC in 10 bits, and streams come in AV1.
    "2160p H.264": ("3840x2160", X264, AAC, "mp4", "yuv420p"),
    "1080p HEVC 10-bit": ("1920x1080", X265, AAC, "mp4", "yuv420p10le"),
    "2160p HEVC 10-bit": ("3840x2160", X265, AAC, "mp4", "yuv420p10le"),
    "2160p AV1": ("3840x2160", SVTAV1, OPUS, "mkv", "yuv420p"),
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
GPU_CLIPS = ("1080p H.264", "2160p H.264", "1080p HEVC 10-bit", "2160p HEVC 10-bit",
             "1080p AV1", "2160p AV1")


def gpu_plan(screen):
    """The GPU run's plan on the desktop's own screen: each clip in a window and full screen."""
    return [(clip, place) for clip in GPU_CLIPS
            for place in (Place((1280, 720), screen), Place(screen=screen))]


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
