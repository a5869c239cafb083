#!/usr/bin/env bash
# The player's keys as a user presses them in the player window, read back over MPRIS and from
# the disk: Page Down to the next chapter, S saves the picture in the pictures folder, L twice
# loops between two moments, '.' steps a frame and stays paused, F9 shows the list, whose
# entries play with Return and go with Delete; the desktop's controls set repeat and shuffle.
# Usage: player_keys.sh VYXPLAYER WORK_DIR
#        (needs DISPLAY, dbus-run-session, playerctl, xdotool, ffmpeg)
set -euo pipefail
player=$1
work=$2
source "$(dirname "$0")/../support/checks.sh"
own_session_bus "$@"
rm -rf "$work" && mkdir -p "$work/config"
printf ';FFMETADATA1\n' >"$work/chapters.txt"
for start in 0 10 20; do
  printf '[CHAPTER]\nTIMEBASE=1/1\nSTART=%s\nEND=%s\ntitle=Part %s\n' \
    "$start" $((start + 10)) "$start" >>"$work/chapters.txt"
done
ffmpeg -loglevel error -y -f lavfi -i testsrc2=size=320x240:rate=25 -i "$work/chapters.txt" \
  -map 0 -map_chapters 1 -t 30 -pix_fmt yuv420p -c:v libx264 -preset ultrafast "$work/film.mkv"
for name in one two; do
  ffmpeg -loglevel error -y -f lavfi -i smptebars=size=320x240:rate=25 -t 20 -pix_fmt yuv420p \
    -c:v libx264 -preset ultrafast "$work/$name.mp4"
done
# The user's pictures folder, as the desktop names it.
echo "XDG_PICTURES_DIR=\"$work/shots\"" >"$work/config/user-dirs.dirs"

XDG_CONFIG_HOME="$work/config" "$player" --separate-window "$work/film.mkv" "$work/one.mp4" \
  "$work/two.mp4" >"$work/player.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
at_least() { awk -v at="$(ctl position)" -v least="$1" 'BEGIN { exit !(at >= least) }'; }
below() { awk -v at="$(ctl position)" -v most="$1" 'BEGIN { exit !(at < most) }'; }
check wait_for is Playing status
check wait_for shown '^Media Player'
window=$(window_named '^Media Player')
eval "$(xdotool getwindowgeometry --shell "$window")"
# Two clicks on the picture, past the double-click time: paused and playing again, and the
# keyboard is the player's.
xdotool mousemove $((X + WIDTH / 3)) $((Y + HEIGHT / 2)) click 1 sleep 0.7 click 1
check wait_for is Playing status

xdotool key Next
check wait_for at_least 10

xdotool key s
shot() { ls "$work/shots/"film\ 0-00-1*.png >/dev/null 2>&1; }
check wait_for shot

xdotool key l
sleep 1
xdotool key l
end=$(ctl position)
sleep 3
# Without the loop it would be three seconds on by now.
check below "$(awk -v b="$end" 'BEGIN { print b + 0.5 }')"
xdotool key l

xdotool key period
check wait_for is Paused status

# The list: F9, then into it by a click, to its last entry, Return plays it.
xdotool key F9
sleep 0.5
xdotool mousemove $((X + WIDTH - 30)) $((Y + 40)) click 1
xdotool key Down Down Return
check wait_for is "file://$work/two.mp4" metadata xesam:url
# The entry before it goes; the one before that is now the previous.
xdotool key Up Delete
ctl previous
check wait_for is "file://$work/film.mkv" metadata xesam:url

ctl loop Playlist
check wait_for is Playlist loop
ctl loop None
ctl shuffle On
check wait_for is On shuffle
finish
