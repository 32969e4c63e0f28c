# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix, checks the files a desktop needs are
# there (and valid, when the validators are installed), and builds the example
# DefList with the installed kelvane-cli.
#   cmake -DBUILD=<build folder> -DWORK=<folder> -DLIST=<LIST.h3l> -DSIZE=<bytes>
#         [-DDESKTOP_VALIDATE=<program>] [-DAPPSTREAM=<program>] -P installed_cli.cmake
cmake_minimum_required(VERSION 3.16)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}: status ${status}\n${out}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/prefix")
run("${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}")

set(share "${prefix}/share")
set(expected
  bin/kelvane bin/kelvane-cli
  share/man/man1/kelvane.1.gz share/man/man1/kelvane-cli.1.gz
  share/doc/kelvane/README.md share/doc/kelvane/changelog.Debian.gz
  share/applications/org.kelvane.Kelvane.desktop
  share/applications/org.kelvane.Kelvane.Viewer.desktop
  share/metainfo/org.kelvane.Kelvane.metainfo.xml
  share/mime/packages/kelvane.xml
  share/icons/hicolor/scalable/apps/kelvane.svg
  share/icons/hicolor/16x16/apps/kelvane.png
  share/icons/hicolor/64x64/apps/kelvane.png)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${prefix}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(DESKTOP_VALIDATE)
  run("${DESKTOP_VALIDATE}" "${share}/applications/org.kelvane.Kelvane.desktop"
    "${share}/applications/org.kelvane.Kelvane.Viewer.desktop")
endif()
if(APPSTREAM)
  run("${APPSTREAM}" validate --no-net "${share}/metainfo/org.kelvane.Kelvane.metainfo.xml")
endif()

run("${prefix}/bin/kelvane-cli" build -q --list "${LIST}" -o "${WORK}/terrain.def")
file(SIZE "${WORK}/terrain.def" size)
if(NOT size EQUAL SIZE)
  message(FATAL_ERROR "terrain.def has ${size} bytes, expected ${SIZE}")
endif()
