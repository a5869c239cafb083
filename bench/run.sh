#!/usr/bin/env bash
# The whole benchmark: sets up the machine, builds the release binary and measures it against
# mpv and VLC, writing bench/results/results.md and results.csv.
# Usage: bench/run.sh [--gpu] [RUNS | --quick]   (default 2 rounds, some 35 minutes on 2 cores;
#        --quick is one round)
# --gpu: the GPU run on the desktop's own display ($DISPLAY), written to bench/results/gpu/.
# Where there is no GPU it says so and stops, before installing or building anything where
# that can be told without glxinfo.
set -euo pipefail
cd "$(dirname "$0")/.."
gpu=()
out=bench/results
if [ "${1:-}" = --gpu ]; then
  gpu=(--gpu)
  out=bench/results/gpu
  shift
fi
rounds=(--runs 2)
case "${1:-}" in
  --quick) rounds=(--quick) ;;
  '') ;;
  *) rounds=(--runs "$1") ;;
esac

# Exits the whole script, and well, where the machine has no GPU to measure.
gpu_or_stop() {
  local status=0
  PYTHONPATH=bench /usr/bin/python3 -m vyxbench.gpu || status=$?
  [ "$status" -ne 3 ] || exit 0
  [ "$status" -eq 0 ] || exit "$status"
}

[ ${#gpu[@]} -eq 0 ] || gpu_or_stop
scripts/install-deps.sh build run test bench
# Now with glxinfo, which tells a software GL renderer from a GPU's.
[ ${#gpu[@]} -eq 0 ] || gpu_or_stop
scripts/build.sh release
# Debian's Python, which has the X library the frame times are read with.
/usr/bin/python3 bench/bench.py --binary build/release/bin/vyxplayer "${gpu[@]}" "${rounds[@]}" \
  --out "$out"
