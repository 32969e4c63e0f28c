#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build dependencies, builds Kelvane and compiles the bundled
# example frames, listed in the DefList examples/terrain.h3l, into
# build/examples/terrain.def. Then open the window on the same list with
#   build/kelvane examples/terrain.h3l
set -euo pipefail
cd "$(dirname "$0")/.."

tools/bootstrap.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target kelvane-cli kelvane

mkdir -p build/examples
build/kelvane-cli build --list examples/terrain.h3l -o build/examples/terrain.def
ls -l build/examples/terrain.def
echo "Open the window on the same list: build/kelvane examples/terrain.h3l"
