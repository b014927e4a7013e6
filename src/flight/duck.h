// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two ducks run the same routines with their own variables, picture and timers.
#pragma once

#include <cstdint>

#include "world/controls.h"
#include "world/int16.h"
#include "world/timers.h"

namespace reedfall {

struct World;

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

Duck BlueDuck(World& w);
Duck RedDuck(World& w);

// What the duck's timers and Down flag say it is doing.
enum class DuckActivity : std::uint8_t { Idle, Flying, Falling, Inconsistent };
DuckActivity ActivityOf(const World& w, DuckColour colour);

}  // namespace reedfall
