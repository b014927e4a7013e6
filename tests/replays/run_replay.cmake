# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays one replay through reedfall-sim and compares what it prints with what was recorded.
#   -DSIM=<reedfall-sim> -DSCRIPT=<name.sim> -DMODE=file|stdin|crlf [-DEMULATOR=<program;args>]
# crlf plays the script from a copy that starts with a UTF-8 byte order mark and ends its
# lines with CRLF, which must change nothing.
# Beside the script: name.out (standard output; none means nothing printed) and, for a
# script that must fail, name.err (standard error, exactly) with exit status 2.
# EMULATOR, where given, runs SIM: node for the .js, wine for the .exe.
cmake_minimum_required(VERSION 3.25)

get_filename_component(dir "${SCRIPT}" DIRECTORY)
get_filename_component(name "${SCRIPT}" NAME_WE)
get_filename_component(group "${dir}" NAME)

# What the driver writes goes to files and is compared byte for byte: CMake's own capture of a
# program's output drops the CR of every CRLF and every NUL byte, and would hide both.
set(base "${CMAKE_CURRENT_BINARY_DIR}/${group}.${name}.${MODE}")
set(capture OUTPUT_FILE "${base}.stdout" ERROR_FILE "${base}.stderr" RESULT_VARIABLE status)
if(MODE STREQUAL "stdin")
  execute_process(COMMAND ${EMULATOR} "${SIM}" INPUT_FILE "${SCRIPT}" ${capture})
elseif(MODE STREQUAL "crlf")
  file(READ "${SCRIPT}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  string(ASCII 239 187 191 byte_order_mark)
  set(copy "${base}.sim")
  file(WRITE "${copy}" "${byte_order_mark}${text}")
  execute_process(COMMAND ${EMULATOR} "${SIM}" "${copy}" ${capture})
else()
  execute_process(COMMAND ${EMULATOR} "${SIM}" "${SCRIPT}" ${capture})
endif()
file(READ "${base}.stdout" out HEX)
file(READ "${base}.stderr" err HEX)
file(READ "${base}.stderr" err_text)

if(MODE STREQUAL "missing")
  if(NOT status EQUAL 2 OR NOT err_text MATCHES "^reedfall-sim: cannot read .*${name}: [^\r]*\n$")
    message(FATAL_ERROR "an unreadable script gave status ${status} and: ${err_text}")
  endif()
  return()
endif()

set(want_out "")
if(EXISTS "${dir}/${name}.out")
  file(READ "${dir}/${name}.out" want_out HEX)
endif()
set(want_err "")
set(want_status 0)
if(EXISTS "${dir}/${name}.err")
  file(READ "${dir}/${name}.err" want_err HEX)
  set(want_status 2)
endif()

if(NOT status STREQUAL want_status)
  message(FATAL_ERROR "exit status ${status}, expected ${want_status}; standard error:\n${err_text}")
endif()
if(NOT err STREQUAL want_err)
  message(FATAL_ERROR "standard error differs from ${name}.err; what it printed is in "
                      "${base}.stderr:\n${err_text}")
endif()
if(NOT out STREQUAL want_out)
  message(FATAL_ERROR "output differs from ${name}.out; what it printed is in ${base}.stdout")
endif()
