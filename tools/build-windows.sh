#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds kelvane-cli.exe for 64-bit Windows on Debian 12 and tests it under Wine:
#   tools/build-windows.sh [--compare LINUX_BUILD] [--window]
# Installs the mingw-w64 cross compilers and Wine (tools/bootstrap.sh
# --windows); builds libpng, libimagequant and GoogleTest for Windows from
# Debian's own source packages (zlib comes built from libz-mingw-w64-dev)
# into build-windows/deps; cross-builds a static kelvane-cli.exe and the core
# and kelvane-cli tests with tools/mingw-w64-x86_64.cmake; runs those tests
# under Wine; and packs build-windows/kelvane-VERSION-windows-x86_64.zip
# (the program, README.md, LICENSE).
#   --compare LINUX_BUILD  then builds, reads back and extracts the same DEFs
#                          with LINUX_BUILD/kelvane-cli and the .exe and
#                          checks that they agree byte for byte, over the
#                          lists of tools/compare-builds.sh too
#   --window               then also cross-builds Qt's base module and the
#                          window, and takes a screenshot of it under Wine
#                          and Xvfb (slow: not part of CI)
# Everything it fetches, builds and runs stays in build-windows/, Wine's
# settings folder included; the machine's apt sources are not touched.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD

compare=
window=
while [ $# -gt 0 ]; do
  case "$1" in
    --compare) compare=$(cd "$2" && pwd); shift 2 ;;
    --window) window=1; shift ;;
    *) echo "usage: tools/build-windows.sh [--compare LINUX_BUILD] [--window]" >&2; exit 2 ;;
  esac
done

tools/bootstrap.sh --windows

out=$source_dir/build-windows
deps=$out/deps
prefix=$deps/prefix
mkdir -p "$deps/src" "$prefix"
jobs=$(nproc)
started=$SECONDS
step() { echo "build-windows: $* ($((SECONDS - started)) s)"; }

# Wine keeps its settings (a C: drive) in a folder of the build tree. The
# first start makes it, which takes a while; wineserver then stays up between
# the runs of one build.
export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
cat >"$out/wine-run" <<EOF
#!/bin/sh
WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' exec $wine "\$@"
EOF
chmod +x "$out/wine-run"
# wineserver stays up for the whole script and is stopped at its end: left to
# itself it ends 3 s after its last program. Twice in CI a program under Wine
# ended with no output, which a start racing that end may explain.
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

# Debian's source packages through an apt configuration of this build's own:
# its sources list, package lists and cache live under build-windows/deps/apt.
fetch_sources() {
  local apt=$deps/apt
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
  cat >"$apt/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
EOF
  local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
  if [ ! -e "$apt/updated" ]; then
    apt-get "${options[@]}" update -qq
    touch "$apt/updated"
  fi
  local package
  for package in "$@"; do
    if ! ls -d "$deps/src/$package"-*/ >/dev/null 2>&1; then
      (cd "$deps/src" && apt-get "${options[@]}" source -qq "$package" >/dev/null)
    fi
  done
}

source_of() {
  local folder
  folder=$(ls -d "$deps/src/$1"-*/ | head -n 1)
  echo "${folder%/}"
}

cmake_for_windows() {
  cmake -DCMAKE_TOOLCHAIN_FILE="$source_dir/tools/mingw-w64-x86_64.cmake" \
    -DKELVANE_WINDOWS_DEPS="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release --no-warn-unused-cli "$@" >/dev/null
}

build_libraries() {
  local zlib=(-DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a
    -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include)
  if [ ! -e "$prefix/lib/libpng16.a" ]; then
    step "libpng"
    cmake_for_windows -S "$(source_of libpng1.6)" -B "$deps/build/libpng" "${zlib[@]}" \
      -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_PROGRAMS=ON
    cmake --build "$deps/build/libpng" -j"$jobs" --target install >/dev/null
  fi
  if [ ! -e "$prefix/lib/libimagequant.a" ]; then
    # Its own build wants OpenMP and a shared library too: the seven C files
    # make the static library alone.
    step "libimagequant"
    local quant objects=() file
    quant=$(source_of libimagequant)
    mkdir -p "$deps/build/imagequant"
    for file in libimagequant blur mediancut mempool nearest pam kmeans; do
      x86_64-w64-mingw32-gcc-posix -std=c99 -O3 -DNDEBUG -DUSE_SSE=1 -Wno-attributes -c "$quant/$file.c" \
        -o "$deps/build/imagequant/$file.o"
      objects+=("$deps/build/imagequant/$file.o")
    done
    mkdir -p "$prefix/include" "$prefix/lib/pkgconfig"
    x86_64-w64-mingw32-ar rcs "$prefix/lib/libimagequant.a" "${objects[@]}"
    cp "$quant/libimagequant.h" "$prefix/include/"
    sed -e "s|@PREFIX@|$prefix|; s|@VERSION@|$(cat "$quant/version.txt")|" \
      "$quant/imagequant.pc.in" >"$prefix/lib/pkgconfig/imagequant.pc"
  fi
  if [ ! -e "$prefix/lib/libgtest.a" ]; then
    step "googletest"
    cmake_for_windows -S "$(source_of googletest)" -B "$deps/build/googletest" -DBUILD_GMOCK=OFF
    cmake --build "$deps/build/googletest" -j"$jobs" --target install >/dev/null
  fi
}

build_kelvane() {
  step "kelvane-cli.exe and its tests"
  cmake_for_windows -S "$source_dir" -B "$out/kelvane" -DKELVANE_BUILD_UI=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$out/wine-run"
  cmake --build "$out/kelvane" -j"$jobs" --target kelvane-cli kelvane_core_tests kelvane_cli_tests
}

# Wine gives a program a console only when its standard input is a terminal:
# `script` lends it one, so that the console's Ctrl+C reaches the tests.
run_tests() {
  step "the tests under Wine"
  local failed=0 suite log
  for suite in kelvane_core_tests kelvane_cli_tests; do
    log=$out/$suite.log
    (cd "$out/kelvane" && script -qec "'$out/wine-run' tests/$suite.exe --gtest_brief=1 >'$log' 2>&1" \
      /dev/null </dev/null >/dev/null) || true
    if ! grep -q "^\[  PASSED  \]" "$log" || grep -q "^\[  FAILED  \]" "$log"; then
      failed=1
      grep -E "^\[  FAILED  \]|Failure|error" "$log" | head -n 40 >&2 || true
    fi
    echo "Wine $suite: $(grep -E '^\[  (PASSED|FAILED|SKIPPED) ' "$log" | tr '\n' ' ')"
  done
  return $failed
}

pack() {
  local version name stage
  version=$(sed -n 's/^project(Kelvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  name=kelvane-$version-windows-x86_64
  stage=$out/$name
  rm -rf "$stage" "$out/$name.zip"
  mkdir -p "$stage"
  cp "$out/kelvane/kelvane-cli.exe" README.md LICENSE "$stage/"
  x86_64-w64-mingw32-strip "$stage/kelvane-cli.exe"
  (cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")
  step "packed build-windows/$name.zip"
}

# kelvane-cli.exe under Wine, its line ends turned into Linux's for comparing.
make_wine_cli() {
  cat >"$out/kelvane-cli-wine" <<EOF
#!/bin/bash
err=\$(mktemp "$out/tmp/err.XXXXXX")
'$out/wine-run' '$out/kelvane/kelvane-cli.exe' "\$@" 2>"\$err" | tr -d '\\r'
status=\${PIPESTATUS[0]}
tr -d '\\r' <"\$err" >&2
rm -f "\$err"
exit \$status
EOF
  chmod +x "$out/kelvane-cli-wine"
  mkdir -p "$out/tmp"
}

# The same commands with both programs: equal output, and files equal byte
# for byte. `info`, `extract` and `sheet` read back the bundled example and a
# DEF of every Type and option; then the lists of tools/compare-builds.sh.
# read_back SIDE: the commands run by SIDE's program into $work/SIDE; fails
# when one of them does.
read_back() {
  local side=$1 status=0 def name
  rm -rf "${work:?}/$side" && mkdir -p "$work/$side"
  (cd "$work/$side" && "${cli[$side]}" build --list "$source_dir/examples/terrain.h3l" -q \
    -o terrain.def && "${cli[$side]}" info terrain.def >info.txt &&
    "${cli[$side]}" extract terrain.def parts >extract.txt &&
    "${cli[$side]}" sheet terrain.def sheet.png >/dev/null) || status=1
  while read -r def; do
    name=$(basename "$(dirname "$def")")-$(basename "$def" .def)
    (cd "$work/$side" && "${cli[$side]}" info --json "$def" >"$name.json" &&
      "${cli[$side]}" extract "$def" "x-$name" >/dev/null &&
      "${cli[$side]}" sheet "$def" "$name.png" >/dev/null) || status=1
  done <"$work/samples.txt"
  if [ "$side" = wine ]; then
    # The paths that extract joins are written with the system's separator.
    tr '\\' / <"$work/wine/extract.txt" >"$work/extract.txt" && mv "$work/extract.txt" "$work/wine/"
  fi
  return $status
}

# The same commands with both programs: equal output, and files equal byte
# for byte. `info`, `extract` and `sheet` read back the bundled example and a
# DEF of every Type and option; then the lists of tools/compare-builds.sh.
# Wine's side runs once more when the two differ, as compare-builds.sh does
# under RETRY_ONCE: twice in CI a run under Wine ended with no output at all.
compare_with_linux() {
  local linux=$1 work differ=0
  local -A cli=([linux]=$linux/kelvane-cli [wine]=$out/kelvane-cli-wine)
  make_wine_cli
  work=$(mktemp -d "$out/tmp/compare.XXXXXX")
  mkdir -p "$work/samples"
  "$linux/tools/kelvane-make-sample-defs" "$work/samples" 5 >"$work/samples.txt"
  read_back linux || differ=1
  : >"$work/diff.txt"
  if ! read_back wine || ! diff -r "$work/linux" "$work/wine" >"$work/diff.txt"; then
    head -n 20 "$work/diff.txt" >&2
    echo "Wine and Linux differ; Wine's side once more:" >&2
    { read_back wine && diff -r "$work/linux" "$work/wine" >"$work/diff.txt"; } || differ=1
  fi
  echo "Wine and Linux: $(find "$work/linux" -type f | wc -l) files from the example and" \
    "$(wc -l <"$work/samples.txt") sample DEFs compared: $([ $differ -eq 0 ] && echo equal || echo DIFFERENT)"
  rm -rf "$work"
  RETRY_ONCE=1 tools/compare-builds.sh "$linux/kelvane-cli" "$out/kelvane-cli-wine" "$linux/kelvane-bench-frames" ||
    differ=1
  return $differ
}

# The window: Qt's base module (Core, Gui, Widgets, Concurrent and the Windows
# platform plugin, static) from Debian's source, built with the host's Qt tools (moc,
# rcc, uic of qt6-base-dev-tools, the same Qt version); then kelvane.exe,
# run under Wine on a virtual X display for a screenshot,
# build-windows/window.png. Tablet events are left out: Debian's source
# drops the tablet driver's header that they need; so is the choice of
# OpenGL at run time, which the Windows plugin fails to build without OpenGL.
build_window() {
  fetch_sources qt6-base
  local qt=$deps/qt
  if [ ! -e "$qt/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
    step "Qt's base module for Windows"
    cmake_for_windows -S "$(source_of qt6-base)" -B "$deps/build/qtbase" \
      -DCMAKE_INSTALL_PREFIX="$qt" -DKELVANE_WINDOWS_DEPS="$prefix;$qt" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
      -DQT_BUILD_BENCHMARKS=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
      -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF \
      -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF \
      -DFEATURE_system_zlib=ON -DFEATURE_system_png=ON -DFEATURE_jpeg=OFF \
      -DFEATURE_sql_sqlite=OFF -DFEATURE_openssl=OFF -DFEATURE_tabletevent=OFF \
      -DFEATURE_dynamicgl=OFF \
      -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a \
      -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include
    cmake --build "$deps/build/qtbase" -j"$jobs" --target install >"$deps/build/qtbase.log"
  fi
  step "kelvane.exe"
  cmake_for_windows -S "$source_dir" -B "$out/window" -DKELVANE_BUILD_TESTS=OFF \
    -DKELVANE_WINDOWS_DEPS="$prefix;$qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  cmake --build "$out/window" -j"$jobs" --target kelvane
  step "the window under Wine"
  local screen=$out/screen
  mkdir -p "$screen"
  # Xvfb keeps its screen in a file there (XWD); a few lines of Python make
  # it a PNG, so that no image tool needs installing.
  xvfb-run -a -s "-screen 0 1024x768x24 -fbdir $screen" bash -c "
    '$out/wine-run' '$out/window/kelvane.exe' '$source_dir/examples/terrain.h3l' &
    sleep 60
    python3 - '$screen/Xvfb_screen0' '$out/window.png' <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
header = struct.unpack('>25I', data[:100])
size, width, height, line = header[0], header[4], header[5], header[12]
colours = header[19]
pixels = data[size + colours * 12:]
rows = b''.join(b'\0' + bytes(v for x in range(width)
                             for v in pixels[y * line + x * 4:y * line + x * 4 + 3][::-1])
               for y in range(height))
chunk = lambda kind, body: struct.pack('>I', len(body)) + kind + body + struct.pack(
    '>I', zlib.crc32(kind + body))
open(sys.argv[2], 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack(
    '>IIBBBBB', width, height, 8, 2, 0, 0, 0)) + chunk(b'IDAT', zlib.compress(rows)) +
    chunk(b'IEND', b''))
PY
    WINEPREFIX='$WINEPREFIX' /usr/lib/wine/wineserver -k || true"
  step "wrote build-windows/window.png"
}

fetch_sources libpng1.6 libimagequant googletest
build_libraries
build_kelvane
tests_failed=0
run_tests || tests_failed=1
pack
compare_failed=0
if [ -n "$compare" ]; then
  step "comparing with $compare/kelvane-cli"
  compare_with_linux "$compare" || compare_failed=1
fi
if [ -n "$window" ]; then
  build_window
fi
step "done"
[ "$tests_failed" -eq 0 ] && [ "$compare_failed" -eq 0 ]
