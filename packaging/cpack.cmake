# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack` in the build folder: a Debian package of what packaging/ installs,
# its dependencies found by dpkg-shlibdeps (package dpkg-dev) from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VENDOR "Kelvane maintainers")
set(CPACK_PACKAGE_CONTACT "Kelvane maintainers <maintainers@kelvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "DEF sprite builder for BMP and PNG frames")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvane turns lists of BMP and PNG frames into DEF files, the animated
sprite containers of a tile-based strategy game's engine: creatures,
buttons, backgrounds, spells, map objects and terrain. True-colour frames
are mapped onto one palette: a reference palette, or one made for the DEF.

The package holds the Qt window, kelvane, with its frame lists, DefList
documents and creature wizard, and the command-line builder, kelvane-cli,
which also describes DEF files, extracts their frames as BMPs and draws
contact sheets of them.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
include(CPack)
