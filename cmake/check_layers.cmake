# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a header of a layer that it may not reach.
#   cmake -DROOT=<dir> -DLAYERS=<spec;spec...> [-DSTAMP=<file>] -P check_layers.cmake
# A spec is "folder" or "folder:lower,lower": the folders below ROOT that the folder's files may
# include besides their own. An include of a folder that is not a layer is not looked at.
cmake_minimum_required(VERSION 3.25)

include("${CMAKE_CURRENT_LIST_DIR}/layer_reach.cmake")
reedfall_read_layers(LAYERS)
set(layers "${listed_layers}")

set(violations "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE sources "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" target "${line}")
      if(target IN_LIST layers AND NOT target IN_LIST reaches_${layer})
        file(RELATIVE_PATH where "${ROOT}" "${source}")
        string(STRIP "${line}" line)
        list(JOIN reaches_${layer} ", " allowed)
        list(APPEND violations "${where}: ${line} (${layer}/ may include ${allowed})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "includes that point up the layers:\n  ${text}")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
