#!/usr/bin/env bash
# Builds the libFuzzer targets of the count field's text rules with clang and runs each for
# a bounded time (seconds, 60 unless given), starting from the seed corpus in the repository.
# New inputs go to build/fuzz/corpus, never into the repository's seeds.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}

"$here/scripts/install-deps.sh" clang-14 libclang-rt-14-dev
out="$here/build/fuzz"
mkdir -p "$out"
for target in batch_count count_rewrite; do
  clang++-14 -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined \
    -I "$here/src/window" "$here/src/window/$target.cpp" "$here/tests/fuzz/${target}_fuzz.cpp" \
    -o "$out/${target}_fuzz"
  mkdir -p "$out/corpus/$target"
  "$out/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    "$out/corpus/$target" "$here/tests/fuzz/corpus/$target"
done
