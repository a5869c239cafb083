#!/usr/bin/env bash
# The whole benchmark: sets up the machine, builds the release binary and measures it against
# mpv and VLC, writing bench/results/results.md and results.csv.
# Usage: bench/run.sh [RUNS | --quick]   (default 2 rounds, some 20 minutes on 2 cores;
#        --quick is one round)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=(--runs 2)
case "${1:-}" in
  --quick) rounds=(--quick) ;;
  '') ;;
  *) rounds=(--runs "$1") ;;
esac
scripts/install-deps.sh build run test bench
scripts/build.sh release
# Debian's Python, which has the X library the frame times are read with.
/usr/bin/python3 bench/bench.py --binary build/release/bin/vyxplayer "${rounds[@]}" --out bench/results
