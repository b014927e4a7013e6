// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/fall.h"

#include "flight/duck.h"
#include "flight/launch.h"
#include "screen/game.h"
#include "screen/sprites.h"

namespace reedfall {

void FallTick(Game& g, const Duck& duck) {
  AddSaturating(duck.frame, 1);
  ShowFrame(duck.picture, duck.frame);
  if (duck.frame >= kLastFallFrame) {
    duck.frame = kHitFrame;
  }
  duck.picture.Top = duck.picture.Top + kFallStep;
  if (duck.picture.Top >= kGroundTop) {
    Launch(g, duck);
  }
}

void timDead_Timer(Game& g) {
  g.Enable(TimerId::timleft);
  FallTick(g, BlueDuck(g));
}

void timRdead_Timer(Game& g) { FallTick(g, RedDuck(g)); }

}  // namespace reedfall
