// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the game's routines act on, in one plain record: the game's variables, the main
// window's controls and timer switches, the flags the window keeps beside them, and the seams
// to the host. The routines take it by reference; the hosts see it only through a const view.
#pragma once

#include <cstdint>

#include "world/controls.h"
#include "world/game_state.h"
#include "world/platform.h"
#include "world/timers.h"

namespace reedfall {

// A round end shows its box and goes on when the player closes it. While it waits, the poll
// must not start a second round end.
enum class RoundEnd : std::uint8_t { None, Lost, Won };

struct World {
  explicit World(Platform host) : platform(host) {}

  GameState state;              // the game's variables
  MainWindowControls controls;  // pictures and labels, as the window shows them
  TimerSwitches timers;         // and its six timers
  bool GameStarted = false;     // the start prompt has been clicked once
  RoundEnd roundEnd = RoundEnd::None;
  bool ended = false;  // the program has ended: no further event of the game runs
  Platform platform;
};

// Ends the program at once: the host is told, and no further event of the game runs.
inline void EndProgram(World& w) {
  w.ended = true;
  w.platform.program.EndProgram();
}

}  // namespace reedfall
