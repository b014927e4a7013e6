#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs reedfall-sim in one of the ways that a script alone cannot show, and prints what it
# wrote on standard error followed by "status N".
#   run_io_case.sh SIM SCRIPT LIMIT_MEMORY CASE
# SCRIPT is any recorded game that prints; LIMIT_MEMORY is 0 where the driver is built with
# AddressSanitizer, which cannot start under a limit on address space.
sim=$1
script=$2
limit_memory=$3

x_bytes() { head -c "$1" /dev/zero | tr '\0' x; }

case $4 in
  endless_line)
    # Without the bound the driver would grow until the limit stops it.
    (if [ "$limit_memory" = 1 ]; then ulimit -v 400000; fi; exec "$sim" /dev/zero) ;;
  line_at_the_bound)
    { printf '#'; x_bytes 1048575; printf '\r\ndump\n'; } | "$sim" >/dev/null ;;
  line_past_the_bound)
    { printf '#'; x_bytes 1048576; printf '\ndump\n'; } | "$sim" >/dev/null ;;
  script_is_a_folder) "$sim" / ;;
  full_output) "$sim" "$script" >/dev/full ;;
  full_output_from_stdin) "$sim" <"$script" >/dev/full ;;
  closed_output) "$sim" "$script" >&- ;;
  *) echo "no such case: $4"; exit 1 ;;
esac 2>&1
echo "status $?"
