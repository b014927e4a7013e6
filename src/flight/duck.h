// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two ducks run the same routines with their own variables, picture and timers.
#pragma once

#include "game/int16.h"
#include "screen/controls.h"
#include "screen/timers.h"

namespace reedfall {

class Game;

struct Duck {
  Int16& frame;  // DuckFrame or RedFrame
  bool& down;    // DuckDown or RedDown
  Int16& dir;    // DuckDir or RedDir
  Int16& speed;  // DuckSpeed or RedSpeed
  DuckPicture& picture;
  TimerId flightTimer;
  TimerId fallTimer;

  [[nodiscard]] DuckColour colour() const { return picture.colour; }
};

Duck BlueDuck(Game& g);
Duck RedDuck(Game& g);

// What the duck's timers and Down flag say it is doing.
enum class DuckActivity { Idle, Flying, Falling, Inconsistent };
DuckActivity ActivityOf(const Game& g, DuckColour colour);

}  // namespace reedfall
