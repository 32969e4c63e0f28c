#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build dependencies, builds Kelvane and runs every test; the
# window's tests run offscreen, without a display.
#   tools/run-tests.sh              release build in build/, every test
#   tools/run-tests.sh --sanitize   AddressSanitizer + UBSan build in build-sanitize/
#                                   of the core and kelvane-cli, and their tests
set -euo pipefail
cd "$(dirname "$0")/.."

tools/bootstrap.sh

build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DKELVANE_SANITIZE=ON -DKELVANE_BUILD_UI=OFF)
fi

cmake -S . -B "$build" "${flags[@]}"
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
