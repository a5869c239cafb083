#!/usr/bin/env bash
# Sets up the machine, builds Vyx Player with its tests and runs them under a virtual X server.
# Usage: scripts/test.sh [preset]   (default, or asan for the sanitizer build)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
scripts/install-deps.sh
scripts/build.sh "$preset"
export LIBGL_ALWAYS_SOFTWARE=1 QTWEBENGINE_DISABLE_SANDBOX=1
xvfb-run -a -s "-screen 0 1600x1200x24" ctest --preset "$preset"
