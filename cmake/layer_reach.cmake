# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the list of layers for check_layers.cmake and check_links.cmake alike. Each entry is
# "folder" or "folder:lower,lower": a layer and the layers it may reach besides itself. Sets
# `listed_layers` to the layers in the list's order and `reaches_<layer>` to the layer with
# those it may reach.
macro(reedfall_read_layers list)
  set(listed_layers "")
  foreach(entry IN LISTS ${list})
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 layer)
    list(APPEND listed_layers "${layer}")
    set(reaches_${layer} "${layer}")
    list(LENGTH parts count)
    if(count GREATER 1)
      list(GET parts 1 lower)
      string(REPLACE "," ";" lower "${lower}")
      list(APPEND reaches_${layer} ${lower})
    endif()
  endforeach()
endmacro()
