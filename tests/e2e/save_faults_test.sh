#!/usr/bin/env bash
# Saves from the real program where the file cannot be written: into a read-only folder,
# onto a full file system, and to a path whose folder has been removed. Each time the
# failure is reported in the program's message box, the program keeps running, and an
# existing file keeps its old content.
#   save_faults_test.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../lib/xsession.sh"
source "$(dirname "$0")/form_points.sh"

# A place the program can reach when it runs as another user.
work=$(mktemp -d /tmp/zorvanta-faults.XXXXXX)
chmod 755 "$work"
mounted=""
trap 'for m in $mounted; do umount "$m" 2>/dev/null || true; done; rm -rf "$work"; xsession_cleanup' EXIT

open_save_dialog() {
  press $output_box_x $output_box_y 3
  release 3
  click $((output_box_x + 3 + 30)) $((output_box_y + 3 + 10))
  wait_for_window '^Save As$' >/dev/null || fail "no save dialog"
}

# save_and_expect_failure PATH: saves over the existing file at PATH and expects the
# failure message, then answers it.
save_and_expect_failure() {
  open_save_dialog
  xdotool type --delay 15 "$1"
  xdotool key Return
  # Qt's dialog asks before replacing the file; the answer is yes.
  sleep 0.5
  xdotool key alt+y
  local box
  box=$(wait_for_window '^信息：$') || fail "no failure message"
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  sleep 0.3
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
  xwininfo -id "$window" | grep -q IsViewable || fail "the main window is gone"
}

expect_old_content() {
  [ "$(cat "$1")" = old ] || fail "$1 lost its old content"
  echo "  failure reported, program running, $1 unchanged"
}

generate_row() {
  click $twenty_range_x $twenty_range_y
  click $single_row_x $single_row_y
}

start_xserver

if [ "$(id -u)" = 0 ]; then
  echo "a read-only folder (the program runs as nobody, for whom the folder is read-only)"
  mkdir -p "$work/home" "$work/readonly"
  chown nobody:nogroup "$work/home"
  chmod 700 "$work/home"
  echo old >"$work/readonly/sheet.txt"
  chmod 555 "$work/readonly"
  # A copy the other user can reach wherever the build tree lies; leak checking, when the
  # program is built for it, is for the other tests.
  install -m 755 "$program" "$work/zorvanta"
  start_program setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$work/home" XDG_RUNTIME_DIR="$work/home" ASAN_OPTIONS=detect_leaks=0 \
    "$work/zorvanta"
else
  echo "a read-only folder"
  mkdir -p "$work/readonly"
  echo old >"$work/readonly/sheet.txt"
  chmod 555 "$work/readonly"
  start_program "$program"
fi
generate_row
save_and_expect_failure "$work/readonly/sheet.txt"
expect_old_content "$work/readonly/sheet.txt"
key_in_window Escape
wait_for_exit 10

echo "a full file system"
mkdir -p "$work/full"
if mount -t tmpfs -o size=16k tmpfs "$work/full" 2>/dev/null; then
  mounted="$work/full"
  echo old >"$work/full/sheet.txt"
  dd if=/dev/zero of="$work/full/filler" bs=1k count=64 2>/dev/null || true
  start_program "$program"
else
  # No room for a file system of its own: the program writes under a file-size limit of
  # nothing, which fails the same way, and ignores the signal the limit would raise.
  echo old >"$work/full/sheet.txt"
  start_program bash -c 'trap "" XFSZ; ulimit -f 0; exec "$0"' "$program"
fi
generate_row
save_and_expect_failure "$work/full/sheet.txt"
expect_old_content "$work/full/sheet.txt"
key_in_window Escape
wait_for_exit 10

echo "a folder removed after the path was chosen"
mkdir -p "$work/gone"
start_program "$program"
generate_row
open_save_dialog
xdotool type --delay 15 "$work/gone/sheet.txt"
xdotool key Return
for _ in $(seq 50); do [ -f "$work/gone/sheet.txt" ] && break; sleep 0.1; done
[ -f "$work/gone/sheet.txt" ] || fail "the first save did not write"
rm -rf "$work/gone"
# The next save dialog opens with that path; its folder no longer exists: the dialog says so
# and stays open, and nothing is written.
open_save_dialog
xdotool key Return
sleep 0.5
warning=$(xdotool search --onlyvisible --name '^Save As$' | wc -l)
[ "$warning" -ge 2 ] || fail "no warning that the folder is gone"
xdotool key Return
sleep 0.3
dialog=$(xdotool search --onlyvisible --name '^Save As$' | head -n 1)
[ -n "$dialog" ] || fail "the dialog accepted a path whose folder is gone"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Escape
sleep 0.3
kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
[ ! -e "$work/gone" ] || fail "the folder came back"
echo "  the dialog said the folder is gone and refused the path, program running"
key_in_window Escape
wait_for_exit 10
