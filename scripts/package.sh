#!/usr/bin/env bash
# Builds the release preset and makes the Debian package: build/release/vyxplayer_1.2.0_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build run
scripts/build.sh release
cmake --build build/release --target package
ls build/release/vyxplayer_*.deb
