#!/usr/bin/env bash
# Configures and builds a CMake preset ("default" unless given), after making sure the
# Debian packages the project needs are installed.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:-default}

"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
