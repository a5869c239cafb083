#!/usr/bin/env bash
# A user types an address into Vyx Surfer's address box and presses Enter, with real X input:
# the loopback server must see the request and the caption must show the page's name. Then an
# address that the browser refuses on the command line ends the program with one line, status 2.
# Usage: typed_address.sh VYXPLAYER WORK_DIR   (needs DISPLAY, xdotool, python3)
set -euo pipefail
player=$1
work=$2
rm -rf "$work" && mkdir -p "$work/site"
printf '<html><head><title>Typed Page</title></head><body>typed</body></html>' >"$work/site/page.html"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$work/site" "$port" 2>"$work/server.log" &
server=$!
"$player" --browse about:blank >"$work/player.log" 2>&1 &
pid=$!
trap 'kill $pid $server 2>/dev/null || true' EXIT

source "$(dirname "$0")/../support/checks.sh"

# Typing before the blank page has loaded would be overwritten when it has.
check wait_for shown '^Vyx Surfer +about:blank$'
window=$(window_named '^Vyx Surfer')
# The address box sits 240 px from the left, in the toolbar under the menu bar.
xdotool mousemove --window "$window" 300 31 click 1
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 5 "http://127.0.0.1:$port/page.html"
xdotool key Return
caption="Vyx Surfer$(printf '%23s' '')Typed Page"
check wait_for grep -q 'GET /page.html' "$work/server.log"
shows_page() { test "$(xdotool getwindowname "$window")" = "$caption"; }
check wait_for shows_page
check test "$(grep -c 'GET /page.html' "$work/server.log")" -eq 1

set +e
"$player" --browse 'javascript:alert(1)' 2>"$work/refused.log"
status=$?
set -e
check test "$status" -eq 2
check test "$(wc -l <"$work/refused.log")" -eq 1
check grep -q 'javascript:alert(1)' "$work/refused.log"
finish
