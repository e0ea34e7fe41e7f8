#!/usr/bin/env bash
# Closes the real program in the middle of a running batch (Escape, "退出", the close box):
# each time the process ends with exit code 0 and leaves nothing running. While a message
# box waits for an answer the main window cannot be closed, as the box is modal to the whole
# program: neither its close box nor a held Escape key closes it and loses the sheet; once
# the box is answered, the close box ends the program.
#   closing_test.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../lib/xsession.sh"
source "$(dirname "$0")/form_points.sh"

start_batch() {
  click $twenty_range_x $twenty_range_y
  click $count_x $count_y
  xdotool type 1000000
  click $batch_rows_x $batch_rows_y
  sleep 0.3
}

expect_clean_end() {
  wait_for_exit 10
  pgrep -f "^$program" >/dev/null && fail "a process of the program is left running"
  echo "  ended with exit code 0, nothing left running"
}

start_xserver wm

echo "Escape during a batch"
start_program "$program"
start_batch
key_in_window Escape
expect_clean_end

echo "退出 during a batch"
start_program "$program"
start_batch
press $output_box_x $output_box_y 3
release 3
click $((output_box_x + 3 + 30)) $((output_box_y + 3 + 10 + 5 * 21))
expect_clean_end

echo "the close box during a batch"
start_program "$program"
start_batch
wmctrl -c Zorvanta
expect_clean_end

echo "the close box while a message box waits"
start_program "$program"
start_batch
# A count of 1 is refused with a message box; the batch goes on behind it.
click $count_x $count_y
xdotool type 1
click $batch_rows_x $batch_rows_y
box=$(wait_for_window '^信息：$') || fail "no message box"
wmctrl -i -c "$window"
sleep 0.5
xwininfo -id "$window" | grep -q IsViewable || fail "the main window closed behind the box"
# Held down, Escape answers the box; its repeats must not go on to close the main window.
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool keydown Escape
sleep 1.5
xdotool keyup Escape
sleep 0.3
xwininfo -id "$box" >/dev/null 2>&1 && xwininfo -id "$box" | grep -q IsViewable && fail "the box is still open"
xwininfo -id "$window" | grep -q IsViewable || fail "a held Escape closed the main window"
wmctrl -i -c "$window"
expect_clean_end
