# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds for 64-bit Windows with Debian's mingw-w64 compilers (the
# "posix" ones, whose C++ library has std::thread). Libraries are looked for
# only in mingw's own folder and in KELVANE_WINDOWS_DEPS (where
# tools/build-windows.sh installs what it builds), never among the build
# machine's. Programs link statically: the .exe needs no DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${KELVANE_WINDOWS_DEPS})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KELVANE_WINDOWS_DEPS)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static archives before import libraries (zlib ships both).
set(CMAKE_FIND_LIBRARY_SUFFIXES .a .dll.a .lib)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# GCC 12 takes members of objects that a throwing constructor may leave
# behind for uninitialised when it inlines their destructors (a known false
# positive at -O2 that the Linux build does not meet).
set(CMAKE_CXX_FLAGS_INIT "-Wno-maybe-uninitialized")
