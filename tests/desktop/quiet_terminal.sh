#!/usr/bin/env bash
# Nothing reaches standard error when nothing is wrong for the user: a film plays on a machine
# without a sound card and Vyx Surfer shows a page that writes to its developers' console, with
# no session bus.
# Usage: quiet_terminal.sh VYXPLAYER WORK_DIR   (needs DISPLAY, xdotool)
set -euo pipefail
player=$1
work=$2
rm -rf "$work" && mkdir -p "$work/run" && chmod 700 "$work/run"
source "$(dirname "$0")/../support/checks.sh"
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=160x120:rate=25 -f lavfi -i sine -t 8 \
  -pix_fmt yuv420p "$work/film.mp4"
printf '<html><head><title>quiet</title></head><body>page<script>console.warn("for developers")</script></body></html>' >"$work/page.html"
env -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$work/run" \
  "$player" --browse "$work/page.html" "$work/film.mp4" >/dev/null 2>"$work/stderr" &
pid=$!
check wait_for shown 'Vyx Surfer +quiet$'
check wait_for shown '^Vyx Player'
# Long enough for the engine to have tried each sound output in turn.
sleep 3
kill -TERM "$pid"
wait "$pid" || true
# Running as root the web engine needs its sandbox off, which it says once: that was asked for.
said=$(grep -v '^Sandboxing disabled by user\.$' "$work/stderr" || true)
on_failure() { echo "standard error:"; echo "$said"; }
check test -z "$said"
finish
