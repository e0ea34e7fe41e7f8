#!/usr/bin/env bash
# Uses the real program as a person would, with the real mouse and keyboard of a private X
# server, and compares the sheet it saves through the real save dialog with what the problem
# generator alone gives for the same commands from a fresh start.
#   person_run_test.sh PROGRAM SHEET_SCRIPT
set -euo pipefail
program=$1
sheet_script=$2
source "$(dirname "$0")/../lib/xsession.sh"
source "$(dirname "$0")/form_points.sh"

# save_as PATH: right-press the output box, choose "保存" and confirm PATH in the dialog.
save_as() {
  press $output_box_x $output_box_y 3
  release 3
  click $((output_box_x + 3 + 30)) $((output_box_y + 3 + 10))
  wait_for_window '^Save As$' >/dev/null || fail "no save dialog"
  xdotool type --delay 15 "$1"
  xdotool key Return
  for _ in $(seq 100); do [ -f "$1" ] && break; sleep 0.1; done
  [ -f "$1" ] || fail "nothing saved at $1"
}

expect_sheet() {
  "$sheet_script" "${@:2}" >"$xsession_dir/expected"
  cmp "$1" "$xsession_dir/expected" || fail "the saved sheet differs from the generator's"
  echo "saved $(stat -c %s "$1") bytes, as the generator gives them"
}

start_xserver

echo "scenario 1: a division row and three mixed problems in the hundred range"
start_program "$program"
click $hundred_range_x $hundred_range_y
click $divide_x $divide_y
click $single_row_x $single_row_y
for _ in 1 2 3; do click $mixed_x $mixed_y; done
save_as "$xsession_dir/first.txt"
expect_sheet "$xsession_dir/first.txt" range100 divide row mixed mixed mixed
key_in_window Escape
wait_for_exit 10

echo "scenario 2: a batch of three rows typed into the count field"
start_program "$program"
click $twenty_range_x $twenty_range_y
click $count_x $count_y
xdotool type 3
click $batch_rows_x $batch_rows_y
# Three ticks of 10 ms each, then the one that stops the batch.
sleep 1
save_as "$xsession_dir/second.txt"
expect_sheet "$xsession_dir/second.txt" range20 rows=3
key_in_window Escape
wait_for_exit 10
