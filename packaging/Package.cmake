# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# CPack: `cpack --preset deb` makes reedfall_<version>_<arch>.deb from the `deb` build.
set(CPACK_PACKAGE_NAME reedfall)
set(CPACK_PACKAGE_VENDOR "The Reedfall developers")
# No address of the project's own exists yet; .invalid says so instead of inventing one.
set(CPACK_PACKAGE_CONTACT "The Reedfall developers <developers@reedfall.invalid>"
  CACHE STRING "Who answers for the package, as: Name <address>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shooting gallery with ducks and a round clock")
# Debian shows the lines as they stand, so they are kept short here.
set(CPACK_PACKAGE_DESCRIPTION [[
Reedfall is a shooting gallery for one player. A blue duck, and from the
second round on a red one as well, rises across a field of sky, trees and
grass, and you shoot by clicking on the ducks with the mouse.

Each round has a clock, 50 shots and a target score. When the clock runs
out with the target reached you move on to the next round, with a higher
target and a shorter clock; otherwise the game starts over at round 1.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from dpkg-shlibdeps. The font is inside the program (its licence in the
# copyright file): no font package is needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A window built against a Qt before 6.8 uses that Qt's private side (src/app/CMakeLists.txt),
# whose layout changes from one Qt to the next: the package then depends on the very Qt it was
# built against, through the private ABI that Debian's Qt provides (Debian 12: qt6-base-abi,
# from 13 on: qt6-base-private-abi), as Debian's own programs that use it do.
find_program(REEDFALL_DPKG_QUERY dpkg-query)
if(REEDFALL_QT_PRIVATE_ABI AND REEDFALL_DPKG_QUERY)
  execute_process(COMMAND ${REEDFALL_DPKG_QUERY} -W [=[-f=${Provides}\n]=] libqt6core6 libqt6core6t64
                  OUTPUT_VARIABLE reedfall_qt_provides ERROR_QUIET)
  string(REGEX MATCH "qt6-base(-private)?-abi \\(= ${REEDFALL_QT_PRIVATE_ABI}\\)"
         reedfall_qt_abi "${reedfall_qt_provides}")
  if(reedfall_qt_abi STREQUAL "")
    message(FATAL_ERROR "Qt ${REEDFALL_QT_PRIVATE_ABI}'s libqt6core6 names no private ABI to "
                        "depend on; the window uses Qt's private side with this Qt")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${reedfall_qt_abi}")
endif()
# Without it Qt runs through XWayland on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
