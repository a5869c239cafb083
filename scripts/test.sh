#!/usr/bin/env bash
# Sets up the machine, builds Vyx Player with its tests and runs them under a virtual X server.
# Usage: scripts/test.sh [preset]   (default; asan for the sanitizer build; fuzz for the fuzzers)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
if [ "$preset" = fuzz ]; then
  scripts/install-deps.sh build run test fuzz
else
  scripts/install-deps.sh build run test
fi
scripts/build.sh "$preset"
export LIBGL_ALWAYS_SOFTWARE=1 QTWEBENGINE_DISABLE_SANDBOX=1
# -noreset: the server would start afresh whenever one test's last window went, and a program
# started by the next test in that moment would find no display.
xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" ctest --preset "$preset"
