#!/usr/bin/env bash
# Installs what is missing, builds Zorvanta and starts it on the current display.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$here/scripts/build.sh" default
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Zorvanta needs a graphical desktop, and no display is set (DISPLAY is empty)." >&2
  echo "Run this command in a desktop session, or start a virtual one first:" >&2
  echo "  Xvfb :99 & DISPLAY=:99 scripts/run.sh" >&2
  exit 1
fi
exec "$here/build/default/src/window/zorvanta"
