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
