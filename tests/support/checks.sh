# Shell helpers for the tests that drive the program from outside; source it.
passed=0
failed=0
# Runs a check, says PASS or FAIL with it, and counts; after a FAIL, a script's own on_failure
# function, where it has one, says what it saw.
check() {
  if "$@"; then
    echo "PASS $*"
    passed=$((passed + 1))
  else
    echo "FAIL $*"
    failed=$((failed + 1))
    if declare -F on_failure >/dev/null; then on_failure; fi
  fi
}
# A script that speaks to the desktop's services over D-Bus runs on a session bus of its own:
# without one, it starts again under dbus-run-session. Called with the script's arguments.
own_session_bus() {
  if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then exec dbus-run-session -- bash "$0" "$@"; fi
}
# Retries a command for up to 20 s.
wait_for() { for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }
# The first visible window whose name matches the pattern; nothing when there is none. Windows
# come and go while the program starts, and a search can meet one that has just gone.
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
shown() { test -n "$(window_named "$1")"; }
# The window that takes the keyboard's input is the one named, or a window inside it (the web
# engine's page has one of its own): what is typed reaches it.
has_focus() {
  local window focus
  window=$(window_named "$1")
  focus=$(xdotool getwindowfocus -f 2>/dev/null)
  test -n "$window" && test -n "$focus" || return 1
  test "$focus" = "$window" || xwininfo -tree -id "$window" | grep -q "$(printf '0x%x ' "$focus")"
}
# Gives the named window the keyboard, as a click on it would, and holds when it has it. Asked
# again at each try: without a window manager nobody else gives it, and a window the program
# makes again under the same name would otherwise never get it.
focus_given() {
  local window
  window=$(window_named "$1")
  test -n "$window" && xdotool windowfocus "$window" 2>/dev/null && has_focus "$1"
}
# What the X server shows of the program's windows and the keyboard, for a check that failed.
windows_seen() {
  echo "windows named '$1': $(xdotool search --name "$1" 2>/dev/null | tr '\n' ' ')" \
    "visible: $(xdotool search --onlyvisible --name "$1" 2>/dev/null | tr '\n' ' ')" \
    "focus: $(xdotool getwindowfocus -f 2>/dev/null) $(xdotool getwindowfocus -f getwindowname 2>/dev/null)"
}
# The X server starts afresh when its last client leaves, and a program started in that moment
# finds no display (Qt then aborts). For a test that starts the program again and again, a client
# that stays keeps the display; prints its process id, to be ended with the test.
keep_display() {
  xprop -root -spy >/dev/null 2>&1 &
  echo $!
}
# The player as the desktop's media controls see it (MPRIS, through playerctl): ctl asks, and
# "is VALUE ARGS..." holds when what ctl ARGS answers is VALUE.
ctl() { playerctl -p vyxplayer "$@" 2>/dev/null; }
is() { test "$(ctl "${@:2}")" = "$1"; }
# The closing line, and the exit status: 0 when nothing failed.
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; }
# The window's picture is not the same a second later: a clip plays, where "Cannot play" or a
# frozen picture stands still.
window_changes() {
  local window=$1 shots
  shots=$(mktemp -d)
  import -window "$window" "$shots/before.png"
  sleep 1
  import -window "$window" "$shots/after.png"
  local differing
  differing=$(compare -metric AE "$shots/before.png" "$shots/after.png" null: 2>&1 || true)
  rm -rf "$shots"
  test "${differing%% *}" -gt 0 2>/dev/null
}
# Starts a player command line, and checks that its main window comes up without an error box,
# that it keeps running and that what it was given plays; then ends it.
plays_without_error() {
  "$@" >/dev/null 2>&1 &
  local pid=$!
  check wait_for shown '^Vyx Player'
  sleep 1
  # A refused file would have raised a box titled "ERROR: ..."; a played one raises none.
  check test -z "$(window_named '^ERROR')"
  check kill -0 "$pid"
  check window_changes "$(window_named '^Vyx Player')"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
