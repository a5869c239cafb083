"""Which video output and decoder each side used, as its own log says, and whether it fell
back: asked for GPU drawing or hardware decoding and got software."""

import re
from dataclasses import dataclass

from .gpu import is_software_renderer

NOT_LOGGED = "not logged"


@dataclass(frozen=True)
class Used:
    """A side's video output and decoder in one run. The flags say whether each is software:
    a software output, GL on a software renderer, decoding on the CPU; None where the log did
    not say."""
    output: str = NOT_LOGGED
    decoder: str = NOT_LOGGED
    output_software: bool = None
    decoder_software: bool = None

    def fell_back(self, asked_gpu):
        """Which of the two fell back to software where the side asked for the GPU."""
        if not asked_gpu:
            return ()
        return tuple(what for what, software in (("output", self.output_software),
                                                  ("decoder", self.decoder_software)) if software)

    def cell(self, asked_gpu):
        fell = self.fell_back(asked_gpu)
        mark = " [fell back]"
        return (self.output + (mark if "output" in fell else "") + " / " + self.decoder
                + (mark if "decoder" in fell else ""))


def short_renderer(name):
    """A GL renderer's name without its details: "llvmpipe (LLVM 15.0.6, 256 bits)" is
    llvmpipe."""
    return name.split(" (")[0]


def last(pattern, text):
    found = re.findall(pattern, text, re.M)
    return found[-1] if found else None


def vyx_used(log):
    """Vyx Player's media log (vyx.media.info): 'video output: opengl, GL renderer "NAME"',
    'video output: software (REASON)' and, for each file, 'decoder: NAME' or 'decoder:
    software'."""
    output, output_software = NOT_LOGGED, None
    line = last(r"vyx\.media: video output: (.*)$", log)
    if line is not None:
        gl = re.fullmatch(r'opengl, GL renderer "(.*)"', line.strip())
        if gl:
            output = f"opengl ({short_renderer(gl.group(1))})"
            output_software = is_software_renderer(gl.group(1))
        else:
            output = line.strip()
            output_software = True if output.startswith("software") else None
    decoder = last(r"vyx\.media: decoder: (.*)$", log)
    if decoder is None:
        return Used(output, NOT_LOGGED, output_software, None)
    decoder = decoder.strip()
    return Used(output, decoder, output_software, decoder == "software")


# mpv's outputs that draw on the GPU (with a GL renderer to name, for the first two).
MPV_GL_OUTPUTS = ("gpu", "gpu-next")
MPV_GPU_OUTPUTS = (*MPV_GL_OUTPUTS, "vaapi", "vdpau", "xv", "dmabuf-wayland")


def mpv_used(log):
    """mpv's log file: 'VO: [NAME] ...', 'GL_RENDERER='NAME'' from its GL outputs, and its
    decoder's 'Using hardware decoding (NAME).', 'Using software decoding.' or, after a failure
    in the middle of a file, 'Falling back to software decoding.'; the last one holds. Without
    hardware decoding asked for, it names no decoder: software."""
    output = last(r"\bVO: \[([\w-]+)\]", log)
    output_software = None
    if output is None:
        output = NOT_LOGGED
    elif output in MPV_GL_OUTPUTS:
        renderer = last(r"GL_RENDERER='(.*)'", log)
        if renderer is not None:
            output = f"{output} ({short_renderer(renderer)})"
            output_software = is_software_renderer(renderer)
    else:
        output_software = output not in MPV_GPU_OUTPUTS
    decoding = re.findall(r"Using hardware decoding \((.+)\)\.|(?:Using|Falling back to) "
                          r"software decoding\.", log)
    decoder = decoding[-1] if decoding and decoding[-1] else "software"
    return Used(output, decoder, output_software, decoder == "software")


# VLC's video outputs that draw on the CPU.
VLC_SOFTWARE_OUTPUTS = ("xcb_x11", "fb", "vmem", "vdummy", "caca", "aa", "flaschen", "yuv")


def vlc_used(log):
    """VLC's verbose log (-vv): 'using vout display module "NAME"' (with 'using opengl module
    "NAME"' for its GL output), 'using video decoder module "NAME"', then 'using hw decoder
    module "NAME"' where hardware decoding started or 'no hw decoder modules matched'."""
    output = last(r'using vout display module "(\w+)"', log)
    output_software = None
    if output is None:
        output = NOT_LOGGED
    else:
        output_software = output in VLC_SOFTWARE_OUTPUTS
        context = last(r'using opengl module "(\w+)"', log)
        if output == "gl" and context:
            output = f"gl ({context})"
    decoder, decoder_software, module = NOT_LOGGED, None, ""
    for software, hardware, _ in re.findall(r'using video decoder module "(\w+)"|using hw '
                                            r'decoder module "(\w+)"|(no hw decoder modules '
                                            r'matched)', log):
        if hardware:
            decoder, decoder_software = hardware, False
        else:
            module = software or module
            decoder, decoder_software = f"software ({module})", True
    return Used(output, decoder, output_software, decoder_software)
