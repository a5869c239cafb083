#!/usr/bin/env bash
# Runs a command under the openbox window manager on the current display, so that windows get
# frames and are placed, minimised and raised as on a desktop. Usage: with_openbox.sh CMD ARGS...
set -euo pipefail
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
# Openbox has taken over once the root window names it as the window manager.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
"$@"
