#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs reedfall-sim in one of the ways that a script alone cannot show, and prints what it
# wrote on standard error followed by "status N".
#   run_io_case.sh CASE SCRIPT LIMIT_MEMORY [EMULATOR...] SIM
# SCRIPT is any recorded game that prints; LIMIT_MEMORY is 0 where the driver cannot start
# under a limit on address space (AddressSanitizer, node, wine). The rest is the command that
# runs the driver: the program, after its emulator where it needs one.
case=$1
script=$2
limit_memory=$3
shift 3

x_bytes() { head -c "$1" /dev/zero | tr '\0' x; }

case $case in
  endless_line)
    # Without the bound the driver would grow until the limit stops it.
    (if [ "$limit_memory" = 1 ]; then ulimit -v 400000; fi; exec "$@" /dev/zero) ;;
  line_at_the_bound)
    { printf '#'; x_bytes 1048575; printf '\r\ndump\n'; } | "$@" >/dev/null ;;
  line_past_the_bound)
    { printf '#'; x_bytes 1048576; printf '\ndump\n'; } | "$@" >/dev/null ;;
  script_is_a_folder) "$@" / ;;
  full_output) "$@" "$script" >/dev/full ;;
  full_output_from_stdin) "$@" <"$script" >/dev/full ;;
  closed_output) "$@" "$script" >&- ;;
  *) echo "no such case: $case"; exit 1 ;;
esac 2>&1
echo "status $?"
