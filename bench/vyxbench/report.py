"""The goals, the verdicts and the tables: results.md for people, results.csv for programs."""

import csv
import os
import platform
import statistics
import subprocess
from dataclasses import dataclass
from pathlib import Path

from .clips import BIG_SCREEN, LONG_LIST, SCREEN


@dataclass(frozen=True)
class Lineup:
    """The columns of a run: Vyx Player's sides (the first one judged), mpv's, VLC where it
    ran, and ffmpeg's floor."""
    vyx: tuple
    mpv: tuple
    vlc: bool
    floor: str

    @classmethod
    def of(cls, bench):
        return cls(tuple(v.name for v in bench.vyx), tuple(m.name for m in bench.mpv),
                   bench.vlc is not None, bench.floor.name)

    @property
    def judged(self):
        return self.vyx[0]

    @property
    def peers(self):
        return [*self.mpv, "vlc"]

    @property
    def players(self):
        return [*self.vyx, *self.mpv, *(["vlc"] if self.vlc else [])]

    @property
    def sides(self):
        return [*self.players, self.floor]


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

# Playing: metric -> (goal text, whom it is judged against, verdict from (vyx, best)). Peak
# resident memory counts the shared libraries' code, which every program using them shares:
# reported, and its ratio shown, but memory is judged on what only the program holds.
PLAY_GOALS = {
    "CPU seconds": ("at most 0.95 x the best peer", "peers", lambda v, b: v <= 0.95 * b),
    "dropped frames": ("none where the best peer drops none", "peers",
                       lambda v, b: b > 0 or v == 0),
    "peak memory (MiB)": (None, "mpv", None),
    "unique memory (MiB)": ("at most the best mpv's", "mpv", lambda v, b: v <= b),
    "frame spacing SD (ms)": ("at most the best mpv's", "mpv", lambda v, b: v <= b),
    "frames off their time (%)": ("at most the best mpv's", "mpv", lambda v, b: v <= b),
}
PEAK_NOTE = ("Not judged: resident memory counts the shared libraries' code (Qt's, the media "
             "libraries'), which other programs share; memory is judged on the unique memory, "
             "next.")
USED_NOTE = ("Output / decoder of each side, as its own log says, run by run where they "
             "differed; [fell back]: asked for GPU drawing or hardware decoding and got "
             "software.")


def cell(value):
    if value is None:
        return "–"
    return f"{value:.0f}" if abs(value) >= 100 or float(value).is_integer() else f"{value:.2f}"


class Verdicts:
    def __init__(self, medians, lineup):
        self.medians = medians
        self.lineup = lineup

    def general(self, figure):
        vyx = self.medians.get((figure, self.lineup.judged))
        if vyx is None:
            return "", "", ""
        if figure in GOALS:
            text, factor = GOALS[figure]
            best = best_of(self.medians, figure, self.lineup.mpv)
            if not best:
                return text, "", ""
            return text, f"{vyx / best:.2f}", "met" if vyx / best <= factor else "not met"
        if figure in ABSOLUTE:
            text, limit = ABSOLUTE[figure]
            return text, "", "met" if vyx <= limit else "not met"
        return "", "", ""

    def against(self, whom):
        return self.lineup.peers if whom == "peers" else list(self.lineup.mpv)

    def __call__(self, figure):
        if isinstance(figure, str):
            return self.general(figure)
        text, whom, passes = PLAY_GOALS[figure[1]]
        vyx = self.medians.get((figure, self.lineup.judged))
        best = best_of(self.medians, figure, self.against(whom))
        if vyx is None or best is None:
            return text or "", "", ""
        ratio = f"{vyx / best:.2f}" if best else ""
        return text or "", ratio, "" if passes is None else (
            "met" if passes(vyx, best) else "not met")


def name(figure):
    return figure if isinstance(figure, str) else f"{figure[1]}, {figure[2]} in {figure[3]}"


def used_cells(bench, where, sides):
    by_side = bench.used.get(where, {})
    return ["; ".join(dict.fromkeys(by_side.get(side, []))) for side in sides]


def write_csv(bench, out, medians, lineup, verdict):
    sides = lineup.sides
    figures = list(dict.fromkeys(figure for figure, _ in bench.samples))
    with open(out / "results.csv", "w", newline="") as handle:
        writer = csv.writer(handle)
        writer.writerow(["figure", *sides, "ratio vyx / best peer", "goal", "verdict", "runs"])
        for figure in figures:
            goal, ratio, met = verdict(figure)
            runs = max(len(bench.samples.get((figure, s), [])) for s in sides)
            writer.writerow([name(figure), *("" if medians.get((figure, s)) is None
                                             else f"{medians[(figure, s)]:.4g}" for s in sides),
                             ratio, goal, met, runs])
        for where, by_side in bench.used.items():
            cells = used_cells(bench, where, lineup.players)
            fell = any("[fell back]" in c for c in cells)
            writer.writerow([f"video output / decoder, {where[0]} in {where[1]}", *cells, "",
                             "", "", "fell back" if fell else "",
                             max(len(v) for v in by_side.values())])


def write_tables(bench, out, machine):
    medians = {key: statistics.median(values) for key, values in bench.samples.items()}
    lineup = Lineup.of(bench)
    verdict = Verdicts(medians, lineup)
    sides = lineup.sides
    figures = list(dict.fromkeys(figure for figure, _ in bench.samples))
    general = [f for f in figures if isinstance(f, str)]
    playing = [f for f in figures if not isinstance(f, str)]
    out.mkdir(parents=True, exist_ok=True)
    write_csv(bench, out, medians, lineup, verdict)

    gpu = " on the GPU" if bench.stage.gpu_run else ""
    lines = [f"# Vyx Player against mpv and VLC{gpu}", "",
             f"Medians of {bench.args.runs} alternating runs; {machine}."]
    if bench.stage.gpu_run:
        lines.append(f"Judged: {lineup.judged}.")
    if general:
        lines += ["", "| figure | " + " | ".join(sides) + " | vyx / best mpv | goal | verdict |",
                  "|---|" + "---|" * (len(sides) + 3)]
    for figure in general:
        goal, ratio, met = verdict(figure)
        lines.append(f"| {figure} | " + " | ".join(cell(medians.get((figure, s))) for s in sides)
                     + f" | {ratio} | {goal} | {met} |")
    for metric, (goal, whom, _) in PLAY_GOALS.items():
        said = PEAK_NOTE if goal is None else \
            f"Goal: {goal} ({', '.join(verdict.against(whom))})."
        lines += ["", f"## Playing {bench.args.play_seconds:g} s: {metric}", "", said, "",
                  "| clip | area | " + " | ".join(sides) + " | vyx / best peer | verdict |",
                  "|---|---|" + "---|" * (len(sides) + 2)]
        for figure in (f for f in playing if f[1] == metric):
            _, ratio, met = verdict(figure)
            lines.append(f"| {figure[2]} | {figure[3]} | "
                         + " | ".join(cell(medians.get((figure, s))) for s in sides)
                         + f" | {ratio} | {met} |")
    if bench.used:
        players = lineup.players
        lines += ["", "## Playing: video output and decoder", "", USED_NOTE, "",
                  "| clip | area | " + " | ".join(players) + " |",
                  "|---|---|" + "---|" * len(players)]
        for where in bench.used:
            lines.append(f"| {where[0]} | {where[1]} | "
                         + " | ".join(c or "–" for c in used_cells(bench, where, players)) + " |")
    lines += ["", "Video output and scaler of each side:", ""]
    lines += [f"- {side}: {text}" for side, text in bench.outputs.items()]
    if bench.fell_back:
        lines += ["", "Runs that fell back to software where they asked for the GPU:", ""]
        lines += [f"- round {number}, {step}: {what}" for number, step, what in bench.fell_back]
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


def describe_machine(desktop=None, gpu=None):
    """The machine, and where the sides drew: the bench's Xvfb screens, or the desktop's display
    and its GL renderer on a GPU run."""
    cpu = "unknown CPU"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
    memory = int(Path("/proc/meminfo").read_text().split()[1]) // (1024 * 1024)
    mpv = subprocess.run(["mpv", "--version"], capture_output=True, text=True).stdout.split()[1]
    if desktop is None:
        drawn = (f"Xvfb {SCREEN[0]}x{SCREEN[1]}x24 and {BIG_SCREEN[0]}x{BIG_SCREEN[1]}x24 with "
                 "Mesa llvmpipe")
    else:
        drawn = (f"the desktop's display {desktop.name}, {desktop.screen[0]}x{desktop.screen[1]}, "
                 f"GL renderer {gpu.renderer}")
    return (f"{os.cpu_count()} cores of {cpu}, {memory} GiB, {platform.system()} "
            f"{platform.release()}, {drawn}, mpv {mpv}")
