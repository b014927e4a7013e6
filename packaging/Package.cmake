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
# Without it Qt runs through XWayland on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
