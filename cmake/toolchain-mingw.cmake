# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# 64-bit Windows with MinGW-w64 (posix threads), run by wine: the core, reedfall-sim and their
# tests, linked statically so that they need nothing beyond KERNEL32 and msvcrt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# A release .exe ships without its symbols: 1.4 MB instead of 3.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# wine, quiet, with a prefix of its own inside the build folder instead of the user's ~/.wine.
# The tests make the prefix before they run (tests/CMakeLists.txt). wine 10 (Debian 13) also
# wants a private XDG_RUNTIME_DIR, and now and then says so on standard error without one, where
# the tests compare the driver's own words byte for byte: it gets one beside the prefix.
find_program(REEDFALL_WINE NAMES wine REQUIRED)
set(REEDFALL_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine-prefix")
set(REEDFALL_WINE_RUNTIME "${CMAKE_BINARY_DIR}/wine-runtime")
file(MAKE_DIRECTORY "${REEDFALL_WINE_RUNTIME}")
file(CHMOD "${REEDFALL_WINE_RUNTIME}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(REEDFALL_WINE_ENV env WINEDEBUG=-all "WINEPREFIX=${REEDFALL_WINE_PREFIX}"
    "XDG_RUNTIME_DIR=${REEDFALL_WINE_RUNTIME}")
set(CMAKE_CROSSCOMPILING_EMULATOR ${REEDFALL_WINE_ENV} "${REEDFALL_WINE}")
