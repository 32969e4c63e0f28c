#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan) and runs
# each for a bounded time on a copy of its seed corpus.
#   tools/fuzz.sh [SECONDS_PER_TARGET] [BUILD_DIR]
# Defaults: 60 seconds, build-fuzz. Exits non-zero when a target finds a crash,
# a leak or undefined behaviour; the input that did it is left in BUILD_DIR/fuzz/found.
set -euo pipefail
seconds=${1:-60}
build=${2:-build-fuzz}
source_dir=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$source_dir" -B "$build" --no-warn-unused-cli -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DKELVANE_FUZZ=ON -DKELVANE_BUILD_TESTS=OFF \
  -DKELVANE_BUILD_UI=OFF >/dev/null
cmake --build "$build" -j2 >/dev/null
build=$(cd "$build" && pwd)

found="$build/fuzz/found"
mkdir -p "$found"
failed=0
for target in "$build"/fuzz/fuzz-*; do
  name=${target##*/fuzz-}
  work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-fuzz-XXXXXX")
  cp -r "$build/fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  echo "fuzz-$name: $seconds s"
  if ! (cd "$found" && "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$work" >"$found/$name.log" 2>&1); then
    echo "fuzz-$name FAILED; see $found/$name.log and the crash-* input there" >&2
    failed=1
  fi
  grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$found/$name.log" |
    sed 's/^/  /' || true
  rm -rf "$work"
done
exit "$failed"
