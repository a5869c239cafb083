#!/usr/bin/env bash
# The whole benchmark: sets up the machine, builds the release binary and measures it against
# mpv and VLC, writing bench/results/results.md and results.csv.
# Usage: bench/run.sh [runs]   (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build run test bench
scripts/build.sh release
python3 bench/bench.py --binary build/release/bin/vyxplayer --runs "${1:-5}" --out bench/results
