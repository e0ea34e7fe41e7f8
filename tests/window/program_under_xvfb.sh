#!/usr/bin/env bash
# Starts the built program in a private X server, finds its window, checks its caption and
# size, sends Escape and expects the program to end with exit code 0.
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'kill $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"

"$program" &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zorvanta$' | head -n 1)
info=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$info")
height=$(awk '/Height:/ {print $2}' <<<"$info")
left=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
top=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
echo "window $window: ${width}x${height} at $left,$top"
# Without a window manager there is no frame: the client area is the form's 580 x 504, placed
# where the form's 590 x 534 outer window is centred on the 1280 x 1024 screen.
[ "$width" = 580 ] && [ "$height" = 504 ] || { echo "unexpected size"; exit 1; }
[ "$left" = $(((1280 - 590) / 2)) ] && [ "$top" = $(((1024 - 534) / 2)) ] || { echo "not centred"; exit 1; }

xdotool windowfocus --sync "$window"
xdotool key Escape
status=0
timeout 10 tail --pid="$program_pid" -f /dev/null || { echo "program still running"; kill "$program_pid"; exit 1; }
wait "$program_pid" || status=$?
echo "exit code $status"
[ "$status" = 0 ]
