# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# WebAssembly with emscripten, run by node: the core, reedfall-sim and their tests.
# Emscripten's own toolchain file does the compilers and the sysroot; this adds what the
# project needs of it and the node that runs the programs.
execute_process(COMMAND em-config EMSCRIPTEN_ROOT OUTPUT_VARIABLE emscripten_root
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
include("${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake")

# Its default emulator may carry flags that today's node refuses; node alone runs the output.
find_program(REEDFALL_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${REEDFALL_NODE}")

# Exceptions are off by default: a thrown error would end the program instead of being caught.
# The memory may grow, as a long script's lines do.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1")

# What a program run by node from the command line needs, for the folders that build such
# programs (the driver, the tests, the benchmark) to add to their link options; a page for the
# browser needs none of it. NODERAWFS gives the real files and standard streams, byte for byte;
# EXIT_RUNTIME ends the process with main's status, its output flushed; the loader reads the
# .wasm from beside the .js.
set(REEDFALL_NODE_LINK_OPTIONS -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1
    "SHELL:--pre-js ${CMAKE_CURRENT_LIST_DIR}/node-wasm-loader.js")

# The linker runs emscripten's JavaScript tools, which need their modules from Debian's own
# folder; a node from elsewhere does not look there.
if(EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;NODE_PATH=/usr/share/nodejs")
endif()
