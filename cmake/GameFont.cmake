# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The labels' face, which the game carries inside it (the window) and serves with its page (the
# browser version): Liberation Sans Regular 2, Arial's metric twin, under the SIL Open Font
# Licence 1.1. Releases put it in different places (Debian 12's fonts-liberation2 in
# truetype/liberation2/, Debian 13's fonts-liberation in truetype/liberation/), so the build asks
# fontconfig for it rather than naming a path. REEDFALL_FONT_FILE names the file instead.
set(REEDFALL_FONT_FILE "" CACHE FILEPATH
    "Liberation Sans Regular 2 (TrueType), which the game embeds; empty: ask fontconfig")

# Liberation Sans 1 shares the name and Arial's metrics but draws other glyphs: fontconfig
# gives the font's revision in 16.16 fixed point, and 2 is 2 << 16.
set(reedfall_font_least_version 131072)

if(REEDFALL_FONT_FILE STREQUAL "")
  find_program(REEDFALL_FC_LIST fc-list NO_CMAKE_FIND_ROOT_PATH)
  set(reedfall_font_found "")
  if(REEDFALL_FC_LIST)
    execute_process(
      COMMAND ${REEDFALL_FC_LIST} --format=%{fontversion}|%{file}\\n
              "Liberation Sans:style=Regular:fontformat=TrueType"
      OUTPUT_VARIABLE reedfall_fonts OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REPLACE "\n" ";" reedfall_fonts "${reedfall_fonts}")
    set(reedfall_font_version 0)
    foreach(reedfall_font IN LISTS reedfall_fonts)
      string(REPLACE "|" ";" reedfall_font "${reedfall_font}")
      list(GET reedfall_font 0 version)
      list(GET reedfall_font 1 file)
      # The newest revision of 2 or later, if several are installed.
      if(version GREATER_EQUAL reedfall_font_least_version AND version GREATER reedfall_font_version)
        set(reedfall_font_version ${version})
        set(reedfall_font_found "${file}")
      endif()
    endforeach()
  endif()
  if(reedfall_font_found STREQUAL "")
    message(FATAL_ERROR "The game's font, Liberation Sans Regular 2 or later, is not installed, "
                        "or fontconfig's fc-list is missing to find it. scripts/install-deps "
                        "build installs both; elsewhere set REEDFALL_FONT_FILE to "
                        "LiberationSans-Regular.ttf.")
  endif()
  set(REEDFALL_FONT_FILE "${reedfall_font_found}")
  message(STATUS "The game's font: ${REEDFALL_FONT_FILE}")
elseif(NOT EXISTS "${REEDFALL_FONT_FILE}")
  message(FATAL_ERROR "REEDFALL_FONT_FILE names no file: ${REEDFALL_FONT_FILE}")
endif()
