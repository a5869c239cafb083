#!/usr/bin/env bash
# A session that ends sends SIGTERM, SIGHUP or SIGINT: the program must end within a second,
# whatever is open. Each signal is sent while start-up waits on the error box of a missing file,
# and while the box of a file that is not media, chosen with File > Play, is up after start-up.
# Usage: signals.sh VYXPLAYER WORK_DIR   (needs DISPLAY, xdotool)
set -euo pipefail
player=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/../support/checks.sh"
keeper=$(keep_display)
trap 'kill $keeper 2>/dev/null || true' EXIT
echo "just some words" >"$work/notes.txt"
ends_within_a_second() {
  local pid=$1
  for _ in $(seq 10); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null
  return 1
}
for signal in TERM HUP INT; do
  # Start-up waits on the Abort/Retry/Ignore box.
  "$player" "$work/missing.mp4" >/dev/null 2>&1 &
  pid=$!
  check wait_for shown '^ERROR'
  kill -"$signal" "$pid"
  check ends_within_a_second "$pid"

  # After start-up, File > Play of a file that is not media.
  "$player" >/dev/null 2>&1 &
  pid=$!
  check wait_for focus_given '^Vyx Player'
  xdotool key ctrl+p
  check wait_for has_focus '^Select A Media File To Play'
  xdotool type --delay 5 "$work/notes.txt"
  xdotool key Return
  check wait_for shown '^ERROR'
  kill -"$signal" "$pid"
  check ends_within_a_second "$pid"
done
finish
