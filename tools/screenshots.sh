#!/usr/bin/env bash
# Takes screenshots of the real main window under a virtual X server (Xvfb)
# into a folder, by default docs/screenshots/:
#   main-start.png    the window as the program starts
#   main-terrain.png  with examples/terrain.h3l open and its second frame previewed
# Usage: tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
out=${2:-docs/screenshots}
shooter="$PWD/$build/kelvane-screenshot"
[ -x "$shooter" ] || { echo "screenshots: build $shooter first" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "screenshots: install xvfb and xauth" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

shoot() {
  local name=$1
  shift
  xvfb-run -a -s "-screen 0 1024x768x24" "$shooter" "$out/$name.png" "$@"
  echo "wrote $out/$name.png"
}

shoot main-start
shoot main-terrain "$PWD/examples/terrain.h3l" 2
