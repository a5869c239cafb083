#!/usr/bin/env bash
# The desktop's view of the player, from outside: its media controls (MPRIS, through playerctl
# on a session bus of its own) see it, pause it, skip between two files and open a third; a file
# dropped on it from another program plays; a second process takes a name of its own; and while
# a video plays the screen does not go idle, where audio alone leaves it be.
# Usage: media_controls.sh VYXPLAYER WORK_DIR
#        (needs DISPLAY, dbus-run-session, playerctl, xprintidle, xdotool, ffmpeg, python3-xlib)
set -euo pipefail
player=$1
work=$2
source "$(dirname "$0")/../support/checks.sh"
own_session_bus "$@"
rm -rf "$work" && mkdir -p "$work"
clip() {
  ffmpeg -loglevel error -y -f lavfi -i "$2=size=320x240:rate=25" -f lavfi -i sine=f=440 -t "$3" \
    -pix_fmt yuv420p -c:v libx264 -preset ultrafast -c:a aac "$work/$1"
}
clip one.mp4 testsrc 20
clip two.mp4 smptebars 20
ffmpeg -loglevel error -y -f lavfi -i sine=f=330 -t 30 "$work/tone.mp3"

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
"$player" --separate-window "$work/one.mp4" "$work/two.mp4" >"$work/player.log" 2>&1 &
pids+=($!)
check wait_for is Playing status
check is "vyxplayer" -l
check is "file://$work/one.mp4" metadata xesam:url
check is 20000000 metadata mpris:length
ctl pause
check wait_for is Paused status
ctl play
check wait_for is Playing status
ctl next
check wait_for is "file://$work/two.mp4" metadata xesam:url
ctl previous
check wait_for is "one.mp4" metadata xesam:title

# A video that plays keeps the X server's idle time from growing past the reset period (10 s).
sleep 13
check test "$(xprintidle)" -lt 11000

ctl open "file://$work/tone.mp3"
check wait_for is "file://$work/tone.mp3" metadata xesam:url
sleep 13
check test "$(xprintidle)" -gt 11000

# A clip dropped from another program, as a file manager drops it (XDND), plays: one whose name
# is Latin-1, as old archives have them, by its very bytes.
cp "$work/two.mp4" "$work/caf$(printf '\351').mp4"
eval "$(xdotool getwindowgeometry --shell "$(window_named 'Media Player')")"
check /usr/bin/python3 "$(dirname "$0")/xdnd_drop.py" $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) \
  "$work/caf$(printf '\351').mp4"
check wait_for is "file://$work/caf%E9.mp4" metadata xesam:url

"$player" "$work/one.mp4" >"$work/second.log" 2>&1 &
pids+=($!)
second() { playerctl -l 2>/dev/null | grep -qx "vyxplayer.instance${pids[1]}"; }
check wait_for second

# Quit from the controls ends that program as File > Exit does; the other plays on.
check dbus-send --session --dest=org.mpris.MediaPlayer2.vyxplayer.instance${pids[1]} \
  --type=method_call /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Quit
gone() { ! kill -0 "${pids[1]}" 2>/dev/null; }
check wait_for gone
check is Playing status
finish
