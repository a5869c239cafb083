#!/usr/bin/env bash
# Sets up the machine, builds Vyx Player and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build run
scripts/build.sh default
# Chromium's sandbox refuses to start for root; a normal user keeps it.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/default/bin/vyxplayer "$@"
