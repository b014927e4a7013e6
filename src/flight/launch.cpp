// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/launch.h"

#include <cmath>

#include "flight/duck.h"
#include "screen/game.h"

namespace reedfall {

namespace {

// floor(r * n) for a draw 0 <= r < 1: a whole number from 0 to n - 1.
int Draw(Game& g, int n) {
  return static_cast<int>(std::floor(g.platform.random.Next() * static_cast<double>(n)));
}

}  // namespace

Duck BlueDuck(Game& g) {
  GameState& s = g.state;
  return {s.DuckFrame,       s.DuckDown,       s.DuckDir,       s.DuckSpeed,
          g.frmMain.imgDuck, TimerId::timDuck, TimerId::timDead};
}

Duck RedDuck(Game& g) {
  GameState& s = g.state;
  return {s.RedFrame,        s.RedDown,         s.RedDir,         s.RedSpeed,
          g.frmMain.imgRedD, TimerId::timRDuck, TimerId::timRdead};
}

DuckActivity ActivityOf(const Game& g, DuckColour colour) {
  const bool blue = colour == DuckColour::Blue;
  const bool flying = g.Enabled(blue ? TimerId::timDuck : TimerId::timRDuck);
  const bool falling = g.Enabled(blue ? TimerId::timDead : TimerId::timRdead);
  const bool down = blue ? g.state.DuckDown : g.state.RedDown;
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

void Launch(Game& g, const Duck& duck) {
  g.Disable(duck.fallTimer);
  duck.down = false;
  g.platform.random.Randomize();
  duck.dir = static_cast<Int16>(Draw(g, 2) + 1);

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
  g.state.LaunchTop = static_cast<Int16>(Draw(g, kLaunchTopSpan) + kLowestLaunchTop);
  duck.picture.Top = g.state.LaunchTop;
  duck.picture.Left = left;
  duck.speed = static_cast<Int16>(Draw(g, 2) + 1);
  duck.frame = static_cast<Int16>(duck.speed * framesPerClass);
  g.Enable(duck.flightTimer);
}

void LaunchDuck(Game& g) { Launch(g, BlueDuck(g)); }

void LaunchRedDuck(Game& g) { Launch(g, RedDuck(g)); }

}  // namespace reedfall
