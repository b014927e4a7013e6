// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/fall.h"

#include "flight/duck.h"
#include "flight/launch.h"
#include "world/sprites.h"
#include "world/world.h"

namespace reedfall {

void FallTick(World& w, const Duck& duck) {
  AddSaturating(duck.frame, 1);
  ShowFrame(duck.picture, duck.frame);
  if (duck.frame >= kLastFallFrame) {
    duck.frame = kHitFrame;
  }
  duck.picture.Top = duck.picture.Top + kFallStep;
  if (duck.picture.Top >= kGroundTop) {
    Launch(w, duck);
  }
}

void timDead_Timer(World& w) {
  w.timers.Enable(TimerId::timleft);
  FallTick(w, BlueDuck(w));
}

void timRdead_Timer(World& w) { FallTick(w, RedDuck(w)); }

}  // namespace reedfall
