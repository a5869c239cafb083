#!/usr/bin/env bash
# What a screen reader finds (AT-SPI), with both players and the browser open: every control has
# a name that follows its state, the sliders say their value in words, the browser's buttons
# take the keyboard's focus, and the page's text is there to read.
# Usage: screen_reader.sh VYXPLAYER WORK_DIR   (under dbus-run-session; needs DISPLAY,
#        at-spi2-core, python3-pyatspi)
set -euo pipefail
player=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/../support/checks.sh"
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=f=440 -t 60 \
  -pix_fmt yuv420p -c:v libx264 -preset ultrafast -c:a aac "$work/clip.mp4"
cat >"$work/page.html" <<'HTML'
<html><head><title>Readable page</title></head>
<body><h1>Hello screen reader</h1><p>Some text to read.</p></body></html>
HTML
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
# What a desktop with a screen reader running sets for Qt programs.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$player" --separate-window "$work/clip.mp4" \
  --browse "$work/page.html" >"$work/player.log" 2>&1 &
pids+=($!)
check wait_for shown 'Vyx Surfer +Readable page$'
check /usr/bin/python3 "$(dirname "$0")/atspi_names.py" "${pids[1]}" \
  "filler=Player" "push button=Pause" "push button!Backward" "text=Address" "check box=Mute" \
  'slider~[0-9]+:[0-9]{2} of 1:00' 'slider~volume [0-9]+ percent' "heading=Hello screen reader"
finish
