# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# reedfall_check_layers(ROOT <dir> LAYERS <spec>...): a step of every build that fails when a
# file includes a layer above its own (see check_layers.cmake for the spec). It reruns whenever
# a file of a layer changes.
function(reedfall_check_layers)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "ROOT" "LAYERS")
  set(sources "")
  foreach(spec IN LISTS arg_LAYERS)
    string(REGEX REPLACE ":.*$" "" layer "${spec}")
    file(GLOB_RECURSE layer_sources CONFIGURE_DEPENDS "${arg_ROOT}/${layer}/*.h"
         "${arg_ROOT}/${layer}/*.cpp")
    list(APPEND sources ${layer_sources})
  endforeach()
  set(script "${PROJECT_SOURCE_DIR}/cmake/check_layers.cmake")
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/layers.checked")
  add_custom_command(
    OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} "-DROOT=${arg_ROOT}" "-DLAYERS=${arg_LAYERS}" "-DSTAMP=${stamp}"
            -P "${script}"
    DEPENDS ${sources} "${script}"
    COMMENT "Checking that every include points down the layers"
    VERBATIM)
  add_custom_target(reedfall_layers ALL DEPENDS "${stamp}")
  # The libraries wait for the check, so that a wrong include stops the build before it compiles.
  foreach(target IN ITEMS reedfall_world reedfall_flight reedfall_game reedfall_frmmain
                          reedfall_pictures)
    if(TARGET ${target})
      add_dependencies(${target} reedfall_layers)
    endif()
  endforeach()
endfunction()

# The tool that lists a library's symbols. WebAssembly's objects are emscripten's to read: GNU
# nm reads nothing from them and says so only on its standard error.
if(EMSCRIPTEN)
  find_program(REEDFALL_NM NAMES emnm llvm-nm)
else()
  set(REEDFALL_NM "${CMAKE_NM}" CACHE FILEPATH "The tool that lists a library's symbols")
endif()

# reedfall_check_links(LIBRARIES <layer=target>... LAYERS <spec>...): a step of every build that
# fails when a layer's library needs a symbol that only a layer above it defines (see
# check_links.cmake). It runs once the libraries are built, whenever one of them changes.
function(reedfall_check_links)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "LIBRARIES;LAYERS")
  if(NOT REEDFALL_NM)
    return()
  endif()
  set(files "")
  set(targets "")
  foreach(entry IN LISTS arg_LIBRARIES)
    string(REGEX MATCH "^([^=]+)=(.*)$" matched "${entry}")
    list(APPEND files "${CMAKE_MATCH_1}=$<TARGET_FILE:${CMAKE_MATCH_2}>")
    list(APPEND targets "${CMAKE_MATCH_2}")
  endforeach()
  set(script "${PROJECT_SOURCE_DIR}/cmake/check_links.cmake")
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/links.checked")
  add_custom_command(
    OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} "-DNM=${REEDFALL_NM}" "-DLIBRARIES=${files}" "-DLAYERS=${arg_LAYERS}"
            "-DSTAMP=${stamp}" -P "${script}"
    DEPENDS ${targets} "${script}"
    COMMENT "Checking that every library needs only the layers below it"
    VERBATIM)
  add_custom_target(reedfall_links ALL DEPENDS "${stamp}")
endfunction()
