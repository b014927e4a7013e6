// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's variables: one record, read and written by every routine of the game.
#pragma once

#include "world/int16.h"

namespace reedfall {

// Fields in their declared order; the driver's dump prints them in this order too.
struct GameState {
  Int16 DuckFrame = 0;    // blue duck's animation counter: the frame shown or about to be
  bool DuckDown = false;  // blue duck hit and falling: clicks on it score nothing
  Int16 DuckDir = 0;      // 1 flies leftward (enters at the right), 2 flies rightward
  Int16 LaunchTop = 0;    // launch height drawn last, by either duck, in twips
  Int16 DuckSpeed = 0;    // 1 slow, 2 fast
  Int16 RedFrame = 0;
  bool RedDown = false;
  Int16 RedDir = 0;
  Int16 RedSpeed = 0;
  double TargetScore = 0;  // to be reached when the round's clock runs out
  double Score = 0;        // carried from round to round
  Int16 DucksMissed = 0;   // escaped at the top this round, both ducks together
  Int16 DucksKilled = 0;
  Int16 TimeLeft = 0;  // countdown ticks of 0.6 s; may run below 0
  Int16 ShotsLeft = 0;
  Int16 ShotsUsed = 0;
  Int16 ShotsMissed = 0;
  Int16 Round = 0;
};

}  // namespace reedfall
