# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# reedfall_python_with(VAR MODULE): caches in VAR a python3 that imports MODULE, Debian's first,
# since a python3 first on PATH (pyenv's, say) may lack the module Debian's package brings.
# VAR stays unset where no python3 has it.
function(reedfall_python_with var module)
  if(${var})
    return()
  endif()
  find_program(python_on_path python3)
  foreach(python IN ITEMS /usr/bin/python3 ${python_on_path})
    execute_process(COMMAND ${python} -c "import ${module}"
                    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
    if(NOT failed)
      set(${var} ${python} CACHE FILEPATH "A python3 that imports ${module}")
      return()
    endif()
  endforeach()
endfunction()
