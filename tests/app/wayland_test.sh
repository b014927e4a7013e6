#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# wayland_test.sh PROGRAM APP_ID QT_PLUGIN_DIR WORK_DIR
# The game on a real Wayland compositor: weston, nested on the X server that DISPLAY names (an
# Xvfb of the test's own: xvfb-run) so that it has a keyboard (xdotool types on the X
# server). The window must open natively with its app id, its
# title and one size for minimum and maximum; weston's own maximize (Super+Shift+M), then a new
# game from the menu's access keys, must leave it playing; File > End ends it with status 0.
# The protocol, as the program saw it (WAYLAND_DEBUG), is kept in WORK_DIR/protocol.log. The log
# names an object xdg_toplevel@19 in libwayland 1.21 (Debian 12) and xdg_toplevel#19 in 1.23
# (Debian 13), which also puts the event queue's name before each line; the patterns read both.
# Status 77 (skipped) where weston, xdotool or Qt's Wayland platform is missing.
set -uo pipefail
program=$1 app_id=$2 plugins=$3 work=$4

[ -n "${DISPLAY:-}" ] || { echo "SKIP: no X server to nest weston on"; exit 77; }
for tool in weston xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool on this machine"; exit 77; }
done
ls "$plugins"/platforms/libqwayland-generic.* >/dev/null 2>&1 ||
  { echo "SKIP: Qt has no Wayland platform here (qt6-wayland)"; exit 77; }

rm -rf "$work"
mkdir -p "$work"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
log=$work/protocol.log
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT
# An object's number, as either libwayland writes it.
id='[@#][0-9]+'
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# wait_for PATTERN SECONDS: until the protocol log shows PATTERN (an extended regex).
wait_for() {
  local tries=$(($2 * 10))
  while ((tries-- > 0)); do
    grep -a -q -E "$1" "$log" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}
game_runs() { kill -0 "$game" 2>/dev/null; }
count() { grep -a -c -E "$1" "$log"; }
# wait_for_count PATTERN N SECONDS: until the log shows N lines of PATTERN.
wait_for_count() {
  local tries=$(($3 * 10))
  while ((tries-- > 0)); do
    (($(count "$1") >= $2)) && return 0
    sleep 0.1
  done
  return 1
}
# wait_for_more PATTERN N SECONDS: until the log shows N more lines of PATTERN than now.
wait_for_more() { wait_for_count "$1" $(($(count "$1") + $2)) "$3"; }
# menu KEY: File, then the item with the access key KEY, once the menu is on the screen.
menu() {
  local placed="^\\[[0-9. ]+\\] (\\{[^}]*\\} +)?xdg_popup$id\\.configure\\(" popups dismissed attempt
  # On the screen once the compositor has placed it and not dismissed it; then its item's key.
  # Weston now and then dismisses a popup at once (popup_done) when the pointer has just left
  # the window: Alt+F again, as a player would.
  for attempt in 1 2 3 4 5; do
    popups=$(count "$placed") dismissed=$(count 'popup_done\(')
    xdotool key alt+f
    if wait_for_count "$placed" $((popups + 1)) 3; then
      sleep 0.3
      if (($(count 'popup_done\(') == dismissed)); then
        xdotool key "$1"
        return
      fi
    fi
  done
  fail "Alt+F opened no menu (attempts: $attempt)"
}

socket=reedfall-test
weston --backend=x11-backend.so --use-pixman --socket=$socket --width=1280 --height=1024 \
  --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/weston.log"; echo "SKIP: weston did not start"; exit 77; }

WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" 2>"$log" &
game=$!
pids+=($game)

# Opened natively: an xdg toplevel with the desktop entry's id, the title, and one size.
wait_for "xdg_toplevel$id\\.configure\\(" 10 || fail "the window was never configured"
grep -a -q -F "set_app_id(\"$app_id\")" "$log" || fail "no app id $app_id"
grep -a -q -F 'set_title("Reedfall")' "$log" || fail "no title"
min=$(grep -a -o -E 'set_min_size\([0-9]+, [0-9]+\)' "$log" | tail -1 | grep -o -E '[0-9]+, [0-9]+')
max=$(grep -a -o -E 'set_max_size\([0-9]+, [0-9]+\)' "$log" | tail -1 | grep -o -E '[0-9]+, [0-9]+')
[ -n "$min" ] && [ "$min" = "$max" ] || fail "minimum size ($min) and maximum size ($max) differ"
wait_for "wl_keyboard$id\\.enter\\(" 10 || fail "the window never had the keyboard"

# Weston's maximize, in play, with the pointer on weston's own window so that the X server
# gives it the keys. A maximized configure has a size and two states (maximized, activated).
xdotool mousemove 1300 1050 sleep 0.3 mousemove 20 1000
menu n
wait_for_more "wl_surface$id\\.commit\\(\\)" 10 10 || fail "no duck flies after File > New Game"
xdotool key super+shift+m
maximized="xdg_toplevel$id\\.configure\\(([1-9][0-9]*), ([1-9][0-9]*), array\\[8\\]\\)"
wait_for "$maximized" 10 || fail "weston did not maximize the window"
# The window takes the maximized size, as the protocol requires (or the next frame ends the
# connection), asks to be itself again...
wait_for 'unset_maximized\(\)' 10 || fail "the window did not ask for its own size back"
size=$(grep -a -o -E "$maximized" "$log" | head -1 | sed -E "s/.*\(([0-9]+), ([0-9]+),.*/\1, \2/")
answer=$(grep -a -A1000 -E "$maximized" "$log" | grep -a -m1 -o -E 'set_window_geometry\(.*\)')
[ "$answer" = "set_window_geometry(0, 0, $size)" ] ||
  fail "the window answered the maximized size $size with $answer"
# ...and is, at the configure that follows.
normal=$(grep -a -o -E 'set_window_geometry\(0, 0, [0-9]+, [0-9]+\)' "$log" | head -1)
back=
for _ in $(seq 100); do
  back=$(grep -a -o -E 'set_window_geometry\(0, 0, [0-9]+, [0-9]+\)' "$log" | tail -1)
  [ "$back" = "$normal" ] && break
  sleep 0.1
done
[ "$back" = "$normal" ] || fail "the window did not come back to its size ($normal)"
game_runs || fail "the game ended at the maximize"

# A new game from the menu's access keys: the ducks fly, every frame a commit.
menu n
wait_for_more "wl_surface$id\\.commit\\(\\)" 10 10 || fail "nothing moves after the maximize"
game_runs || fail "the game ended after the maximize and a new game"

# File > End, with the keys: status 0.
menu e
status=124
for _ in $(seq 200); do
  if ! game_runs; then
    wait "$game"
    status=$?
    break
  fi
  sleep 0.1
done
[ "$status" -eq 0 ] || fail "File > End: status $status"
grep -a -q -E 'Protocol error|error [0-9]+:' "$log" && fail "$(grep -a -E 'Protocol error|error [0-9]+:' "$log")"

echo "The protocol, as the game saw it:"
grep -a -E "set_app_id|set_title|set_m(in|ax)_size|xdg_toplevel$id\\.configure|set_window_geometry|_maximized" \
  "$log" | sed 's/^/  /'
[ "$failures" -eq 0 ] && echo "PASS" || exit 1
