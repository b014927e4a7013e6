#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# window_identity.sh PROGRAM DESKTOP_ENTRY WORK_DIR
# Starts the installed game on the X server that DISPLAY names (an Xvfb of the test's own:
# xvfb-run) and reads its window as a desktop
# does to give it the menu entry's name and icon: the two properties that name the desktop
# entry, and the window class that the entry's StartupWMClass promises.
set -euo pipefail
program=$1 entry=$2 work=$3
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

id=$(basename "$entry" .desktop)
promised_class=$(sed -n 's/^StartupWMClass=//p' "$entry")

rm -rf "$work"
mkdir -p "$work"
pids=()
stop() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || continue
    wait "$pid" 2>/dev/null || true
  done
}
trap stop EXIT

env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/game.log" 2>&1 &
pids=("$!")
window=
for _ in $(seq 100); do
  # Qt also names a 1 x 1 helper window after the program; only the real one has a class.
  window=$(xwininfo -root -tree | awk '$2 == "\"Reedfall\":" && $3 != "()" { print $1; exit }')
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { fail "no window 'Reedfall' appeared: $(cat "$work/game.log")"; finish; }

properties=$(xprop -id "$window" WM_CLASS _KDE_NET_WM_DESKTOP_FILE _GTK_APPLICATION_ID)
echo "$properties"
for property in _KDE_NET_WM_DESKTOP_FILE _GTK_APPLICATION_ID; do
  grep -qx "$property(UTF8_STRING) = \"$id\"" <<<"$properties" ||
    fail "the window's $property does not name $id"
done
grep -q "^WM_CLASS(STRING) = \".*\", \"$promised_class\"$" <<<"$properties" ||
  fail "the window's class is not the StartupWMClass=$promised_class of the menu entry"

finish
