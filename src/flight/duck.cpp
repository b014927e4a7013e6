// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/duck.h"

#include "world/world.h"

namespace reedfall {

Duck BlueDuck(World& w) {
  GameState& s = w.state;
  return {s.DuckFrame,        s.DuckDown,       s.DuckDir,       s.DuckSpeed,
          w.controls.imgDuck, TimerId::timDuck, TimerId::timDead};
}

Duck RedDuck(World& w) {
  GameState& s = w.state;
  return {s.RedFrame,         s.RedDown,         s.RedDir,         s.RedSpeed,
          w.controls.imgRedD, TimerId::timRDuck, TimerId::timRdead};
}

DuckActivity ActivityOf(const World& w, DuckColour colour) {
  const bool blue = colour == DuckColour::Blue;
  const bool flying = w.timers.Enabled(blue ? TimerId::timDuck : TimerId::timRDuck);
  const bool falling = w.timers.Enabled(blue ? TimerId::timDead : TimerId::timRdead);
  const bool down = blue ? w.state.DuckDown : w.state.RedDown;
  if (!flying && !falling) {
    return DuckActivity::Idle;
  }
  if (flying && !falling && !down) {
    return DuckActivity::Flying;
  }
  if (falling && !flying && down) {
    return DuckActivity::Falling;
  }
  return DuckActivity::Inconsistent;
}

}  // namespace reedfall
