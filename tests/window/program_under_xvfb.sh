#!/usr/bin/env bash
# Starts the built program in a private X server, finds its window, checks its caption and
# size, sends Escape and expects the program to end with exit code 0.
set -euo pipefail
program=$1
source "$(dirname "$0")/../lib/xsession.sh"

start_xserver
start_program "$program"
info=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$info")
height=$(awk '/Height:/ {print $2}' <<<"$info")
echo "window $window: ${width}x${height} at $origin_x,$origin_y"
# Without a window manager there is no frame: the client area is the form's 580 x 504, placed
# where the form's 590 x 534 outer window is centred on the 1280 x 1024 screen.
[ "$width" = 580 ] && [ "$height" = 504 ] || fail "unexpected size"
[ "$origin_x" = $(((1280 - 590) / 2)) ] && [ "$origin_y" = $(((1024 - 534) / 2)) ] || fail "not centred"
[ "$(xdotool getwindowname "$window")" = Zorvanta ] || fail "caption"

key_in_window Escape
wait_for_exit 10
echo "exit code 0"
