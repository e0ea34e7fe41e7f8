#!/usr/bin/env bash
# Installs what is missing, builds a CMake preset ("default" unless given) and runs the
# whole test suite through CTest.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:-default}

"$here/scripts/build.sh" "$preset"
cd "$here"
ctest --preset "$preset"
