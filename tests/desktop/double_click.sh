#!/usr/bin/env bash
# A real double click (two X clicks, as a mouse sends them) on the playing picture of the player
# window: the picture must fill the screen, leave the file playing, not paused, and Escape must
# give the screen back to the window, which kept its place meanwhile.
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
window=$(window_named '^Media Player')
# Clicked once the picture plays.
check wait_for window_changes "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
before="$X $Y $WIDTH $HEIGHT"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) click --repeat 2 --delay 80 1
# Past the double-click time, when a single click would have toggled.
sleep 1.5
screen=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*x[0-9]*\).*/\1/p')
covers_screen() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Media Player'); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "${WIDTH}x${HEIGHT}" = "$screen" ] && return 0
  done
  return 1
}
check covers_screen
import -window root "$work/one.png"
sleep 1
import -window root "$work/two.png"
# A playing picture changes between the two; a paused one does not.
changed=$(compare -metric AE "$work/one.png" "$work/two.png" null: 2>&1 || true)
check test "${changed%% *}" -gt 0
xdotool key Escape
back() { ! covers_screen; }
check wait_for back
restored() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  test "$X $Y $WIDTH $HEIGHT" = "$before"
}
check wait_for restored
finish
