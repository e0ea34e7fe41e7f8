# Helpers for tests that drive the real program in a private X server. Source this file;
# it starts the server, exports DISPLAY, and stops everything it started on exit.

xsession_dir=$(mktemp -d)
xsession_pids=()

xsession_cleanup() {
  for pid in "${xsession_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$xsession_dir"
}
trap xsession_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_xserver [wm]: a 1280 x 1024 screen; with "wm", a window manager too.
start_xserver() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$xsession_dir/display" 2>/dev/null &
  xsession_pids+=($!)
  for _ in $(seq 200); do [ -s "$xsession_dir/display" ] && break; sleep 0.05; done
  [ -s "$xsession_dir/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$xsession_dir/display")"
  if [ "${1:-}" = wm ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    xsession_pids+=($!)
    for _ in $(seq 200); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
  fi
}

# start_program COMMAND...: starts the program, waits for its main window and sets
# program_pid, window and origin_x/origin_y (the client area's top-left on the screen).
start_program() {
  "$@" &
  program_pid=$!
  xsession_pids+=("$program_pid")
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zorvanta$' | head -n 1)
  [ -n "$window" ] || fail "no window"
  local info
  info=$(xwininfo -id "$window")
  origin_x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
  origin_y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# Mouse actions at a point of the window's client area: click X Y [BUTTON], press X Y BUTTON.
# (mousemove --sync can wait many seconds when the pointer is already there.)
point_at() {
  xdotool mousemove $((origin_x + $1)) $((origin_y + $2))
  sleep 0.05
}
click() {
  point_at "$1" "$2"
  xdotool click "${3:-1}"
  sleep 0.1
}
press() {
  point_at "$1" "$2"
  xdotool mousedown "$3"
  sleep 0.1
}
release() { xdotool mouseup "$1"; sleep 0.1; }

# Without a window manager the keyboard focus stays where a closed dialog left it: give it
# back to the main window before typing.
key_in_window() {
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key "$@"
}

# wait_for_window NAME: the id of a visible window whose name matches NAME.
wait_for_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

# wait_for_exit SECONDS: waits for the program to end and checks its exit code is 0.
wait_for_exit() {
  local status=0
  timeout "$1" tail --pid="$program_pid" -f /dev/null || fail "the program is still running"
  wait "$program_pid" || status=$?
  [ "$status" = 0 ] || fail "exit code $status"
}
