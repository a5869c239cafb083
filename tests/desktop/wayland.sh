#!/usr/bin/env bash
# Vyx Player in a Wayland session (weston's headless backend, no X server at all): it runs as a
# Wayland client of its own, plays a film, keeps the screen awake through the desktop's screen
# saver on D-Bus, answers the media controls, takes the whole screen when they ask, and Vyx
# Surfer shows a page. What is on the screen is read through weston's screenshooter.
# Usage: wayland.sh VYXPLAYER WORK_DIR [VIDEO_OUTPUT]   (auto, opengl or software; auto when left out)
#        (needs weston, dbus-run-session, playerctl, ffmpeg, ImageMagick, python3-dbus)
set -euo pipefail
player=$1
work=$2
output=${3:-auto}
source "$(dirname "$0")/../support/checks.sh"
own_session_bus "$@"
rm -rf "$work" && mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
unset DISPLAY QT_QPA_PLATFORM
ffmpeg -loglevel error -y -f lavfi -i testsrc2=size=640x360:rate=25 -t 60 -pix_fmt yuv420p \
  -c:v libx264 -preset ultrafast "$work/film.mp4"
printf '<html><head><title>Magenta</title></head><body style="background:#ff00ff"></body></html>' \
  >"$work/page.html"

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
weston --backend=headless-backend.so --use-pixman --debug --socket=wayland-vyx --width=1280 \
  --height=720 --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
compositor_up() { test -S "$XDG_RUNTIME_DIR/wayland-vyx"; }
check wait_for compositor_up
export WAYLAND_DISPLAY=wayland-vyx XDG_SESSION_TYPE=wayland
/usr/bin/python3 "$(dirname "$0")/screen_saver.py" >"$work/screensaver.log" 2>&1 &
pids+=($!)
saver_up() { dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
  org.freedesktop.DBus.NameHasOwner string:org.freedesktop.ScreenSaver | grep -q true; }
check wait_for saver_up

"$player" --video-output="$output" --separate-window "$work/film.mp4" >"$work/player.log" 2>&1 &
pids+=($!)
check wait_for is Playing status
# Qt's own Wayland client, not X through XWayland: there is no X server to fall back on here.
native() { grep -q libqwayland "/proc/${pids[2]}/maps"; }
check native
inhibited() { grep -q '^Inhibit Vyx Player' "$work/screensaver.log"; }
check wait_for inhibited

# The screen as weston has it; the share of it in a colour (ImageMagick's fuzz in percent).
screenshot() {
  rm -f "$work"/wayland-screenshot*.png
  (cd "$work" && weston-screenshooter >/dev/null 2>&1)
  mv "$work"/wayland-screenshot*.png "$work/$1.png"
}
share_of() {
  convert "$work/$1.png" -alpha off -fuzz "$3%" -transparent "$2" -alpha extract -negate \
    -format '%[fx:mean]' info:
}
more_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
# The film's yellow bar, in the window, once the first pictures are drawn.
has_yellow() { screenshot window && more_than "$(share_of window '#ffff00' 10)" 0.01; }
check wait_for has_yellow
yellow=$(share_of window '#ffff00' 10)

mpris_set() {
  dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.vyxplayer \
    /org/mpris/MediaPlayer2 org.freedesktop.DBus.Properties.Set \
    string:org.mpris.MediaPlayer2 string:"$1" variant:"$2" >/dev/null
}
check mpris_set Fullscreen boolean:true
sleep 2
screenshot full
# The picture is enlarged to the screen: its yellow bar covers well over twice as much,
# and barely any black is left beside it.
check more_than "$(share_of full '#ffff00' 10)" "$(awk -v y="$yellow" 'BEGIN { print 2.5 * y }')"
check more_than 0.08 "$(share_of full '#000000' 5)"
check is Playing status
check mpris_set Fullscreen boolean:false
# The window comes back at its own size (the compositor keeps whatever size was last asked): no
# more black around the picture than before.
black=$(share_of window '#000000' 5)
windowed() {
  screenshot back && more_than "$(awk -v b="$black" 'BEGIN { print b + 0.03 }')" \
    "$(share_of back '#000000' 5)"
}
check wait_for windowed

"$player" --browse "file://$work/page.html" >"$work/browser.log" 2>&1 &
pids+=($!)
magenta() { screenshot page && more_than "$(share_of page '#ff00ff' 10)" 0.05; }
check wait_for magenta
finish
