#!/usr/bin/env bash
# A real double click (two X clicks, as a mouse sends them) on the playing picture of the player
# window: it must fill the screen and leave the file playing, not paused.
# Usage: double_click.sh VYXPLAYER WORK_DIR   (needs DISPLAY, xdotool, ffmpeg, ImageMagick)
set -euo pipefail
player=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=320x240:rate=25 -t 30 -pix_fmt yuv420p \
  "$work/clip.mp4"
"$player" --separate-window "$work/clip.mp4" >"$work/player.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

source "$(dirname "$0")/../support/checks.sh"
wait_for shown '^Media Player'
sleep 2
window=$(window_named '^Media Player')
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) click --repeat 2 --delay 80 1
# Past the double-click time, when a single click would have toggled.
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$window")"
screen=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*x[0-9]*\).*/\1/p')
check test "${WIDTH}x${HEIGHT}" = "$screen"
import -window root "$work/one.png"
sleep 1
import -window root "$work/two.png"
# A playing picture changes between the two; a paused one does not.
changed=$(compare -metric AE "$work/one.png" "$work/two.png" null: 2>&1 || true)
check test "${changed%% *}" -gt 0
finish
