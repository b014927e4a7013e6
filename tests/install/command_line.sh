#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# command_line.sh PROGRAM VERSION
# Runs the installed game as a player would from a terminal: --help and --version answer with
# no display at all, Qt's own options reach Qt, and anything else is refused.
set -euo pipefail
program=$1 version=$2
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

# run ARGUMENT...: runs the program; sets $out, $err and $status.
run() {
  local o e
  o=$(mktemp) e=$(mktemp)
  status=0
  "$program" "$@" >"$o" 2>"$e" || status=$?
  out=$(<"$o") err=$(<"$e")
  rm -f "$o" "$e"
}

# With no window system at all: a QApplication would fail to start here.
(
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  run --version
  [ "$status" -eq 0 ] && [ "$out" = "Reedfall $version" ] ||
    fail "--version without a display: status $status, printed '$out' '$err'"
  run -v
  [ "$out" = "Reedfall $version" ] || fail "-v printed '$out'"
  run --help
  [ "$status" -eq 0 ] && [[ $out == *"Usage: "*"--help"*"--version"* ]] ||
    fail "--help without a display: status $status, printed '$out' '$err'"
  # The game itself cannot start: one line says why, and the status says it failed.
  run
  [ "$status" -eq 1 ] && [ -z "$out" ] &&
    [ "$err" = "reedfall: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)" ] ||
    fail "without a display: status $status, printed '$out' '$err'"
  run -platform bogus
  [ "$status" -eq 1 ] && [ -z "$out" ] && [ "$(wc -l <<<"$err")" -eq 1 ] &&
    [[ $err == "reedfall: cannot open the window: "*bogus* ]] ||
    fail "an unknown platform: status $status, printed '$out' '$err'"
  DISPLAY=:4242 run
  [ "$status" -eq 1 ] && [ "$err" = "reedfall: cannot open the window: could not connect to display :4242" ] ||
    fail "a display that cannot be reached: status $status, printed '$out' '$err'"
  exit "$failures"
) || failures=$((failures + $?))

export QT_QPA_PLATFORM=offscreen
# Qt lists its own options only once it knows the window system.
run --help-all
[ "$status" -eq 0 ] && [[ $out == *"--version"* && $out == *"--platform"* ]] ||
  fail "--help-all: status $status, printed '$out' '$err'"

# Qt takes its own options (and their values) first; only what is left is judged.
run -platform offscreen --bogus
[ "$status" -eq 1 ] && [[ $err == *"Unknown option 'bogus'"* ]] ||
  fail "an unknown option: status $status, printed '$err'"
run -platform offscreen stray
[ "$status" -eq 1 ] && [[ $err == *"Unexpected argument 'stray'"* ]] ||
  fail "a stray argument: status $status, printed '$err'"

# A game started with Qt's options plays on until it is ended; timeout's 124 says it was still
# running after two seconds.
status=0
timeout 2 "$program" -platform offscreen -style fusion -reverse >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the game with Qt's options ended by itself, status $status"

finish
