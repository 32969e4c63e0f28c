#!/usr/bin/env bash
# Installs the build dependencies, builds Kelvane and runs every test.
#   tools/run-tests.sh              release build in build/
#   tools/run-tests.sh --sanitize   AddressSanitizer + UBSan build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."

tools/bootstrap.sh

build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DKELVANE_SANITIZE=ON)
fi

cmake -S . -B "$build" "${flags[@]}"
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
