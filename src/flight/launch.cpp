// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/launch.h"

#include <cmath>

#include "flight/duck.h"
#include "world/world.h"

namespace reedfall {

namespace {

// floor(r * n) for a draw 0 <= r < 1: a whole number from 0 to n - 1.
int Draw(World& w, int n) {
  return static_cast<int>(std::floor(w.platform.random.Next() * static_cast<double>(n)));
}

}  // namespace

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

void Launch(World& w, const Duck& duck) {
  w.timers.Disable(duck.fallTimer);
  duck.down = false;
  w.platform.random.Randomize();
  duck.dir = static_cast<Int16>(Draw(w, 2) + 1);

  float left = 0;
  int framesPerClass = 0;
  switch (duck.dir) {
    case 1:
      left = kLaunchLeftFromRight;
      framesPerClass = 2;
      break;
    case 2:
      left = kLaunchLeftFromLeft;
      framesPerClass = 3;
      break;
    default:
      return;  // no such direction: the duck stays where it is
  }
  w.state.LaunchTop = static_cast<Int16>(Draw(w, kLaunchTopSpan) + kLowestLaunchTop);
  duck.picture.Top = w.state.LaunchTop;
  duck.picture.Left = left;
  duck.speed = static_cast<Int16>(Draw(w, 2) + 1);
  duck.frame = static_cast<Int16>(duck.speed * framesPerClass);
  w.timers.Enable(duck.flightTimer);
}

void LaunchDuck(World& w) { Launch(w, BlueDuck(w)); }

void LaunchRedDuck(World& w) { Launch(w, RedDuck(w)); }

}  // namespace reedfall
