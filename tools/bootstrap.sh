#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a fresh Debian 12 machine lacks to build, test and show Kelvane:
# the compiler, CMake and pkg-config, GoogleTest, libpng (PNG frames and
# contact sheets), libimagequant (true-colour frames mapped onto a palette),
# Qt 6 Widgets (with the OpenGL headers its CMake files ask for, and a font for
# the window), and a virtual X server for the screenshots of
# tools/screenshots.sh; and what the Debian package and the install test use: dpkg-dev (dpkg-shlibdeps computes the package's
# dependencies), desktop-file-utils and appstream (the validators), and
# lintian, which checks the package.
set -euo pipefail

packages=(build-essential cmake pkg-config libgtest-dev libpng-dev libimagequant-dev qt6-base-dev
  libgl-dev fonts-dejavu-core xvfb xauth dpkg-dev desktop-file-utils appstream lintian)
# --fuzz: also clang and its libFuzzer runtime, for tools/fuzz.sh.
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

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
