# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the browser tests' client with `npm ci` into CLIENT, from the committed lock file,
# unless the same lock is installed there already. No browser is downloaded: the tests drive
# Debian's chromium.
#   cmake -DSOURCE=<tests/web> -DCLIENT=<dir> -DNPM=<npm> -P install_client.cmake
cmake_minimum_required(VERSION 3.25)

set(lock "${SOURCE}/package-lock.json")
set(installed "${CLIENT}/node_modules/.reedfall-lock.json")
if(EXISTS "${installed}")
  file(SHA256 "${lock}" wanted)
  file(SHA256 "${installed}" have)
  if(wanted STREQUAL have)
    message(STATUS "The test client is installed as the lock file pins it")
    return()
  endif()
endif()

file(MAKE_DIRECTORY "${CLIENT}")
file(COPY "${SOURCE}/package.json" "${lock}" DESTINATION "${CLIENT}")
set(ENV{PUPPETEER_SKIP_DOWNLOAD} 1)
execute_process(COMMAND "${NPM}" ci --no-audit --no-fund --ignore-scripts
                WORKING_DIRECTORY "${CLIENT}" COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE "${lock}" "${installed}")
