#!/usr/bin/env bash
# Installs the build dependencies, builds Kelvane and compiles the bundled
# example frames into build/examples/terrain.def.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/bootstrap.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

mkdir -p build/examples
t=examples/terrain
build/kelvane-cli build --type 3 -o build/examples/terrain.def \
  $t/grass00.bmp $t/grass01.bmp / $t/grass02.bmp $t/grass03.bmp /
ls -l build/examples/terrain.def
