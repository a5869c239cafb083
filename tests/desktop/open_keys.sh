#!/usr/bin/env bash
# Ctrl+O, pressed on the keyboard as a user presses it, opens the Open dialog of the player window
# and of Vyx Surfer; Escape cancels it and the window goes on.
# Usage: open_keys.sh VYXPLAYER WORK_DIR   (needs DISPLAY, xdotool, ffmpeg)
set -euo pipefail
player=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/../support/checks.sh"
keeper=$(keep_display)
on_failure() {
  windows_seen "$name"
  cat "$work/player.log"
}
trap 'kill $keeper 2>/dev/null || true' EXIT
# WINDOW_NAME DIALOG_TITLE ARGUMENTS...
ctrl_o_opens() {
  local name=$1 dialog=$2
  shift 2
  "$player" "$@" >"$work/player.log" 2>&1 &
  local pid=$!
  check wait_for shown "$name"
  # A key pressed before the window has the keyboard goes nowhere.
  check wait_for focus_given "$name"
  xdotool key ctrl+o
  check wait_for has_focus "$dialog"
  xdotool key Escape
  dialog_gone() { ! shown "$dialog"; }
  check wait_for dialog_gone
  check shown "$name"
  check kill -0 "$pid"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
clip="$work/clip.mp4"
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=160x120:rate=25 -t 20 -pix_fmt yuv420p "$clip"
ctrl_o_opens 'Media Player' '^Select A Media File To Play' --separate-window "$clip"
ctrl_o_opens '^Vyx Surfer' '^Browse for offline web pages' --browse about:blank
finish
