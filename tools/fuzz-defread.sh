#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the DEF reader's fuzz target with clang (libFuzzer, AddressSanitizer,
# UBSan) in build-fuzz/ and runs it for a bounded time on a seed corpus of
# DEFs that our own builder makes.
#   tools/fuzz-defread.sh [SECONDS]    default 60
# Exits non-zero when the fuzzer finds a crash, a hang or a sanitizer report;
# the input that did it is left as build-fuzz/crash-* (or leak-*, timeout-*).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz

# The same configuration as tools/fuzz.sh, so that both share build-fuzz/.
cmake -S . -B "$build" --no-warn-unused-cli -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DKELVANE_FUZZ=ON -DKELVANE_BUILD_TESTS=OFF \
  -DKELVANE_BUILD_UI=OFF >/dev/null
cmake --build "$build" -j2 --target kelvane_defread_fuzzer kelvane-make-sample-defs

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/samples" "$work/corpus"
n=0
while IFS= read -r def; do
  cp "$def" "$work/corpus/seed$n.def"
  n=$((n + 1))
done < <("$build"/tools/kelvane-make-sample-defs "$work/samples")
echo "fuzz-defread: $n seed DEFs, $seconds seconds"

cd "$build"
./fuzz/kelvane_defread_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 "$work/corpus"
