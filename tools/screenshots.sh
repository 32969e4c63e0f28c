#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes screenshots of the real main window under a virtual X server (Xvfb)
# into a folder, by default docs/screenshots/:
#   main-start.png    the window as the program starts
#   main-terrain.png  with examples/terrain.h3l open and its second frame previewed
#   main-building.png while it builds a DefList of 1,800 frames of 450 x 400
#   main-built.png    once that build has ended, the status line telling it
#   wizard.png        the creature wizard at its second step with frames added
#   help.png          the help window, its picture taken from the window above
#   main-png.png      with examples/orb.h3l open (RGBA PNG frames), its second
#                     frame previewed as built and the list's context menu open
#   viewer.png        the DEF viewer on the built example, its second frame at zoom 4
# Usage: tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

# The pictures show frames where a modder keeps them, /home/modder/mods, not
# this checkout's or a temporary folder's paths: the script runs again in a
# mount namespace of its own, where an empty file system in memory covers
# /home. Where the system allows no such namespace, the temporary paths show.
if [ -z "${KELVANE_SHOTS_HOME:-}" ] && unshare --user --map-root-user --mount true 2>/dev/null; then
  exec env KELVANE_SHOTS_HOME=/home/modder/mods unshare --user --map-root-user --mount "$0" "$@"
fi

build=${1:-build}
out=${2:-docs/screenshots}
shooter="$PWD/$build/kelvane-screenshot"
[ -x "$shooter" ] || { echo "screenshots: build $shooter first" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "screenshots: install xvfb and xauth" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

shoot() {
  local name=$1 mode=
  shift
  case ${1:-} in --*) mode=$1; shift ;; esac
  xvfb-run -a -s "-screen 0 1024x768x24" "$shooter" $mode "$out/$name.png" "$@"
  echo "wrote $out/$name.png"
}

if [ -n "${KELVANE_SHOTS_HOME:-}" ]; then
  mount -t tmpfs kelvane-shots /home
  scratch=$KELVANE_SHOTS_HOME
  mkdir -p "$scratch"
else
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
fi
cp -r examples/terrain examples/terrain.h3l examples/orb examples/orb.h3l "$scratch/"

shoot main-start
shoot main-terrain "$scratch/terrain.h3l" 2
shoot wizard --wizard "$scratch"/terrain/grass0[0-3].bmp
shoot help --help-window "$scratch/terrain.h3l" 2
shoot main-png --menu "$scratch/orb.h3l" 2

# The viewer on the bundled example, built beside it.
"$PWD/$build/kelvane-cli" build -q --list "$scratch/terrain.h3l" -o "$scratch/terrain.def" >/dev/null
shoot viewer --viewer "$scratch/terrain.def" 2 4

# A build long enough to be seen under way: 1,800 frames in 90 groups.
mkdir -p "$scratch/creature"
"$PWD/$build/kelvane-bench-frames" "$scratch/creature" 1800 450 400 speckled >/dev/null
list=() i=0
for frame in "$scratch"/creature/frame*.bmp; do
  list+=("$frame") i=$((i + 1))
  [ $((i % 20)) -eq 0 ] && list+=(/)
done
"$PWD/$build/kelvane-cli" build -q --type 0 --shadow --save-list "$scratch/creature/walk.h3l" \
  --no-build "${list[@]}" 2>/dev/null
shoot main-building --build "$scratch/creature/walk.h3l" "$out/main-built.png"
echo "wrote $out/main-built.png"
