#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a fresh Debian 12 machine lacks to build, test and show Kelvane:
# the compiler and CMake, GoogleTest, libpng (PNG frames and contact sheets),
# libimagequant (true-colour frames mapped onto a palette), Qt 6 Widgets (with
# the OpenGL headers its CMake files ask for, and a font for the window), and a
# virtual X server for the screenshots of tools/screenshots.sh; and what the
# Debian package and the install test use: dpkg-dev (dpkg-shlibdeps computes
# the package's dependencies), desktop-file-utils and appstream (the
# validators), and lintian, which checks the package.
set -euo pipefail

packages=(build-essential cmake libgtest-dev libpng-dev libimagequant-dev qt6-base-dev
  libgl-dev fonts-dejavu-core xvfb xauth dpkg-dev desktop-file-utils appstream lintian)
# --fuzz: also clang and its libFuzzer runtime, for tools/fuzz.sh.
# --windows: the mingw-w64 cross compilers, zlib built for them, Wine to run
# what they build (dpkg-dev above unpacks Debian's sources), and Python for
# the window's screenshot, for tools/build-windows.sh.
case "${1:-}" in
  --fuzz) packages+=(clang libclang-rt-14-dev) ;;
  --windows) packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64
    python3) ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "bootstrap: run as root to install ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
