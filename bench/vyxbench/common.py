"""What every part of the benchmark shares: the error a step fails with, and progress lines."""

import sys


class BenchError(RuntimeError):
    pass


def log(message):
    print(f"[bench] {message}", file=sys.stderr, flush=True)
