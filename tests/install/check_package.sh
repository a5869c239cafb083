#!/usr/bin/env bash
# Installs the Debian package with apt, as a user would, checks it with lintian, and starts the
# installed program under the current X display on a clip.
# Usage: check_package.sh PACKAGE.deb WORK_DIR   (as root; needs xdotool, ffmpeg, lintian)
set -euo pipefail
deb=$(realpath "$1")
work=$2
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/../support/checks.sh"

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
check test "$(dpkg-query -W -f='${Status}' vyxplayer)" = "install ok installed"
# Nothing that only the tests, fuzzers or benchmarks need comes with the player.
depends=$(dpkg-query -W -f='${Depends}, ${Recommends}' vyxplayer | tr -d ' ' | tr ',|' '\n\n' | sed 's/(.*//')
for tool in xvfb xdotool ffmpeg imagemagick openbox wine64 g++-mingw-w64-x86-64-posix clang \
            libfuzzer-14-dev mpv vlc-bin python3 lintian; do
  check test -z "$(grep -x "$tool" <<<"$depends")"
done
# Findings accepted: CPack's maintainer scripts call ldconfig for the web engine plugin (harmless:
# it is not in a library path), and the program has --help rather than a manual page.
lintian --suppress-tags maintscript-calls-ldconfig,no-manual-page "$deb" >"$work/lintian.log" 2>&1 || true
check test -z "$(grep -E '^[EW]:' "$work/lintian.log")"
check test "$(vyxplayer --version)" = "Vyx Player 1.2.0"
check test -f /usr/share/applications/vyxplayer.desktop

clip="$work/clip.mp4"
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=160x120:rate=25 -t 5 -pix_fmt yuv420p "$clip"
plays_without_error /usr/bin/vyxplayer "$clip"
cat "$work/lintian.log"
finish
