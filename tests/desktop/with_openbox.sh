#!/usr/bin/env bash
# Runs a command under the openbox window manager on the current display, so that windows get
# frames and are placed, minimised and raised as on a desktop. Usage: with_openbox.sh CMD ARGS...
set -euo pipefail
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The next test's openbox must not find this one still leaving the display: it would wait
# behind it, and windows mapped meanwhile would have no manager.
trap 'kill $wm 2>/dev/null || true; wait $wm 2>/dev/null || true' EXIT
# This openbox, not one that is still leaving, has taken over once the root names its process.
for _ in $(seq 100); do
  xprop -root _OPENBOX_PID 2>/dev/null | grep -q "= $wm\$" && break
  sleep 0.05
done
"$@"
