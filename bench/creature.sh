#!/bin/sh
# Times kelvane-cli on a creature-sized list: 60 frames of 450 x 400 in six
# groups of ten, with shadow, the outline on the frames of the first two groups
# and the fixed size 450x400, as a creature's list is built.
#
# Usage: bench/creature.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  a Release build of this checkout (default: build-release), e.g.
#              cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
#   RUNS       how many times to time the build (default: 3)
# Frames and the DEF go to a temporary folder that is removed afterwards.
set -eu

build=${1:-build-release}
runs=${2:-3}
cli="$build/kelvane-cli"
generator="$build/kelvane-bench-frames"
for tool in "$cli" "$generator" /usr/bin/time; do
  if [ ! -x "$tool" ]; then
    echo "creature.sh: $tool is missing (build the project; install the 'time' package)" >&2
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir "$work/frames"
"$generator" "$work/frames" 60 450 400

# Six groups of ten frames; entry positions count the separators.
set -- --shadow --outline --fixed 450x400 -q -o "$work/creature.def"
checks=""
position=0
for frame in "$work"/frames/frame*.bmp; do
  position=$((position + 1))
  set -- "$@" "$frame"
  if [ "$position" -le 21 ]; then
    checks="$checks${checks:+,}$position"
  fi
  if [ $((position % 11)) -eq 10 ]; then
    position=$((position + 1))
    set -- "$@" /
  fi
done
set -- "$@" --check "$checks"

echo "60 frames of 450 x 400, shadow, outline on 20 checked frames, fixed size 450x400"
run=1
while [ "$run" -le "$runs" ]; do
  /usr/bin/time -v -o "$work/time.txt" "$cli" build "$@"
  wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt")
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
  size=$(wc -c < "$work/creature.def")
  echo "run $run: wall $wall, peak RSS $rss KiB, DEF $size bytes"
  run=$((run + 1))
done
