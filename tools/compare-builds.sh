#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the same varied lists with two kelvane-cli binaries and compares the
# DEF files byte for byte, with the exit statuses and messages; then, when
# NEW_CLI has -j, the same lists with NEW_CLI on one thread and on several.
#   tools/compare-builds.sh OLD_CLI NEW_CLI FRAME_TOOL
# FRAME_TOOL is kelvane-bench-frames from the build folder. Everything is
# written into a temporary folder, removed at the end; the frames are named
# relative to it, so that a list of 1200 frames fits a Windows command line.
set -euo pipefail
old=$(realpath "$1") new=$(realpath "$2") frames=$(realpath "$3")
examples=$(realpath "$(dirname "$0")/../examples/terrain")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/big" && "$frames" "$work/big" 8 450 400 >/dev/null
mkdir -p "$work/obj" && "$frames" "$work/obj" 6 96 70 >/dev/null
mkdir -p "$work/odd" && "$frames" "$work/odd" 5 37 29 >/dev/null
mkdir -p "$work/tile" && "$frames" "$work/tile" 4 32 32 >/dev/null
mkdir -p "$work/huge" && "$frames" "$work/huge" 1 5000 5000 >/dev/null
mkdir -p "$work/many" && "$frames" "$work/many" 1200 32 32 >/dev/null
mkdir -p "$work/wide" && "$frames" "$work/wide" 3 1021 37 >/dev/null
mkdir -p "$work/speck" && "$frames" "$work/speck" 6 203 67 speckled >/dev/null
mkdir -p "$work/art" && "$frames" "$work/art" 40 256 192 art >/dev/null
mkdir -p "$work/artodd" && "$frames" "$work/artodd" 12 451 203 art >/dev/null
mkdir -p "$work/artile" && "$frames" "$work/artile" 30 32 32 tile >/dev/null
cd "$work"
speck=(speck/*.bmp) art=(art/*.bmp) artodd=(artodd/*.bmp) artile=(artile/*.bmp)
huge=(huge/*.bmp) many=(many/*.bmp) wide=(wide/*.bmp)
many_groups=() && for i in "${!many[@]}"; do
  many_groups+=("${many[$i]}") && [ $((i % 100)) -eq 99 ] && many_groups+=(/)
done
big=(big/*.bmp) obj=(obj/*.bmp) odd=(odd/*.bmp)
tile=(tile/*.bmp) terr=("$examples"/*.bmp)

cases=(
  "--type 3 ${terr[*]} /"
  "--type 1 ${terr[*]:0:3} / ${tile[*]} /"
  "--type 3 --format 0 ${tile[*]} / / ${terr[*]:0:2}"
  "--type 0 ${big[*]:0:4} / ${big[*]:4:4} /"
  "--type 0 --shadow --outline --check 1,3,6 ${big[*]:0:3} / ${big[*]:3:3} /"
  "--type 0 --shadow --fixed 450x400 --monster 14 --groups 0,2,5 ${big[*]:0:2} / ${big[*]:2:2} / ${big[*]:4:2} /"
  "--type 0 --fixed 300x200 --x 10 --y -7 ${big[*]:0:3} /"
  "--type 0 --fixed 500x420 --shadow ${odd[*]} /"
  "--type 0 --monster 3 --groups 4 --mask Hero_A ${odd[*]} / ${odd[*]:0:2} / / ${odd[*]:2:1}"
  "--type 0 --monster 7 ${odd[*]} / ${odd[*]} / ${odd[*]} /"
  "--type 0 --format 7 --monster 0 ${odd[*]:0:2} / ${odd[*]:2:2} /"
  "--type 2 ${obj[*]} /"
  "--type 2 --shadow ${obj[*]:0:3} / ${obj[*]:3:3} /"
  "--type 2 --shadow --fixed 128x96 --x 3 --y 4 ${obj[*]} /"
  "--type 2 --fixed 64x64 ${odd[*]} /"
  "--type 0 --fixed 0x40 ${odd[*]} /"
  "--type 0 --x abc ${odd[*]} /"
  "--type 3 --x abc ${terr[*]:0:2} /"
  "--type 3 ${odd[*]:0:1} /"
  "--type 0 /"
  "--type 0 missing.bmp /"
  "--type 0 --check-palette ${odd[*]} ${big[*]:0:1} /"
  "--type 0 --check-palette --yes ${odd[*]} ${big[*]:0:1} /"
  "--type 0 --fixed 38x29 ${odd[*]} /"
  "--type 0 --fixed 37x29 --shadow --outline --check 1,2,4 ${odd[*]} /"
  "--type 0 --fixed 36x20 --outline --check 1,2 ${odd[*]} /"
  "--type 2 --fixed 37x30 --shadow ${odd[*]} /"
  "--type 2 --fixed 40x29 ${odd[*]} /"
  "--type 0 --shadow --outline --check 1,3 ${wide[*]} /"
  "--type 2 --shadow ${wide[*]} /"
  "--type 0 --shadow --outline --check 1 ${huge[*]} /"
  "--type 0 --fixed 5000x5000 ${huge[*]} /"
  "--type 2 ${huge[*]} /"
  "--type 3 ${many_groups[*]}"
  "--type 0 --shadow --outline --check 1,2,3,4,5,6 ${speck[*]} /"
  "--type 0 --outline --check 2,4,6 --fixed 190x70 ${speck[*]} /"
  "--type 2 --shadow ${speck[*]} /"
  "--type 0 --shadow ${many[*]:0:600} / ${many[*]:600:600}"
  "--type 2 --shadow --fixed 33x31 ${many[*]:0:300} /"
  "--type 2 --shadow ${art[*]:0:20} / ${art[*]:20:20} /"
  "--type 2 ${art[*]} /"
  "--type 2 --shadow ${artodd[*]} /"
  "--type 2 --shadow --fixed 300x150 --x 5 ${artodd[*]} /"
  "--type 0 --shadow --outline --check 1,2,5,9 ${artodd[*]} /"
  "--type 0 --shadow --outline --fixed 256x192 --check 2,3 ${art[*]:0:10} / ${artodd[*]:0:3} /"
  "--type 3 ${artile[*]:0:15} / ${artile[*]:15:15} /"
)

# build_both I: case I built by both sides into a.I.* and b.I.*; succeeds
# when both agree on exit status, messages and the DEF's bytes.
build_both() {
  local i=$1 side
  for side in a b; do
    rm -f "$side.$i".*
    # shellcheck disable=SC2086
    ("${binary[$side]}" build ${options[$side]} -q -o "$side.$i.def" ${cases[$i]} >/dev/null \
      2>"$side.$i.err"; echo $? >"$side.$i.rc") || true
  done
  cmp -s "a.$i.rc" "b.$i.rc" && cmp -s "a.$i.err" "b.$i.err" &&
    { [ ! -e "a.$i.def" ] && [ ! -e "b.$i.def" ] || cmp -s "a.$i.def" "b.$i.def"; }
}

# compare LABEL A_BINARY "A_OPTIONS" B_BINARY "B_OPTIONS": every list built
# by both; counts into same, differ and written. With RETRY_ONCE=1 a case that
# differs is built again and counts as the same only when the second build
# agrees; the first difference is still shown. Wine needs it: once in a CI run
# a build under it ended with no message at all, a build that the same binary
# answered right thirty times in a row afterwards.
compare() {
  local label=$1 i
  local -A binary=([a]=$2 [b]=$4) options=([a]=$3 [b]=$5)
  for i in "${!cases[@]}"; do
    if build_both "$i"; then
      same=$((same + 1))
    else
      echo "differs ($label, exit statuses $(cat "a.$i.rc") and $(cat "b.$i.rc")): ${cases[$i]:0:200}"
      diff "a.$i.err" "b.$i.err" | sed 's/^/    /' || true
      if [ "${RETRY_ONCE:-0}" = 1 ] && build_both "$i"; then
        echo "    the same when built again"
        same=$((same + 1))
      else
        differ=$((differ + 1))
      fi
    fi
    [ "$(cat "b.$i.rc")" = 0 ] && written=$((written + 1))
    rm -f a.$i.* b.$i.*
  done
}

same=0 differ=0 written=0
compare "old and new" "$old" "" "$new" ""
runs=${#cases[@]}
if grep -q -- '-j N' <<<"$("$new" build --help)"; then
  compare "one thread and three" "$new" "-j 1" "$new" "-j 3"
  runs=$((runs * 2))
fi
echo "$same of $runs builds give the same result ($written DEF files written), $differ differ"
[ "$differ" -eq 0 ]
