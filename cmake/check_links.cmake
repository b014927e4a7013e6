# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a layer's library needs a symbol that only a layer it may not reach defines: the
# link-time twin of check_layers.cmake, which reads the includes alone and cannot see a function
# declared low and defined high.
#   cmake -DNM=<nm> -DLIBRARIES=<layer=file;...> -DLAYERS=<spec;...> [-DSTAMP=<file>]
#         -P check_links.cmake
# The specs are those of check_layers.cmake; a layer may link what the layers it reaches reach,
# and so on down. A symbol counts as a layer's when its library
# defines it outright; the weak copies that every library keeps of inline functions and
# templates belong to no layer.
cmake_minimum_required(VERSION 3.25)

include("${CMAKE_CURRENT_LIST_DIR}/layer_reach.cmake")
reedfall_read_layers(LAYERS)

# A layer links everything below the layers it may reach: their headers' inline code needs
# what lies below them.
set(all_layers "${listed_layers}")
foreach(round IN LISTS all_layers)
  foreach(layer IN LISTS all_layers)
    foreach(lower IN LISTS reaches_${layer})
      list(APPEND reaches_${layer} ${reaches_${lower}})
    endforeach()
    list(REMOVE_DUPLICATES reaches_${layer})
  endforeach()
endforeach()

set(layers "")
foreach(entry IN LISTS LIBRARIES)
  string(REGEX MATCH "^([^=]+)=(.*)$" matched "${entry}")
  set(layer "${CMAKE_MATCH_1}")
  set(file "${CMAKE_MATCH_2}")
  list(APPEND layers "${layer}")
  # POSIX form: one symbol a line, its name and then its type letter.
  execute_process(COMMAND "${NM}" -g -P "${file}" OUTPUT_VARIABLE table
                  RESULT_VARIABLE status ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} cannot read ${file}: ${error}")
  endif()
  string(REGEX MATCHALL "[^\n]+" lines "${table}")
  # Every library of a layer defines something: a list without a symbol is a tool that could
  # not read it, and would let anything pass.
  if(NOT table MATCHES "\n[^ \n]+ [A-Za-z]")
    message(FATAL_ERROR "${NM} lists no symbol in ${file}: ${error}")
  endif()
  set(defines_${layer} "")
  set(needs_${layer} "")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^([^ ]+) ([A-Za-z])( |$)")
      continue()
    endif()
    set(symbol "${CMAKE_MATCH_1}")
    set(type "${CMAKE_MATCH_2}")
    if(type STREQUAL "U")
      list(APPEND needs_${layer} "${symbol}")
    elseif(type MATCHES "^[TDBRGSC]$")
      list(APPEND defines_${layer} "${symbol}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES needs_${layer})
endforeach()

set(violations "")
foreach(layer IN LISTS layers)
  foreach(other IN LISTS layers)
    if(other IN_LIST reaches_${layer})
      continue()
    endif()
    foreach(symbol IN LISTS needs_${layer})
      if(symbol IN_LIST defines_${other})
        list(JOIN reaches_${layer} ", " allowed)
        list(APPEND violations "${layer} needs ${symbol}, which ${other} defines (${layer} may link ${allowed})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "symbols that point up the layers:\n  ${text}")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
