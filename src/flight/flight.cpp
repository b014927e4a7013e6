// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/flight.h"

#include "flight/duck.h"
#include "flight/launch.h"
#include "world/status_text.h"
#include "world/world.h"

namespace reedfall {

std::optional<FlightStep> FindFlightStep(DuckColour colour, int speed, int dir) {
  for (const FlightStep& step : kFlightSteps) {
    if (step.colour == colour && step.speed == speed && step.dir == dir) {
      return step;
    }
  }
  return std::nullopt;
}

void FlightTick(World& w, const Duck& duck) {
  if (const auto step = FindFlightStep(duck.colour(), duck.speed, duck.dir)) {
    AddSaturating(duck.frame, 1);
    ShowFrame(duck.picture, duck.frame);
    if (duck.frame >= step->wrapAt) {
      duck.frame = static_cast<Int16>(step->afterWrap);
    }
    duck.picture.Top = duck.picture.Top + step->topChange;
    duck.picture.Left = duck.picture.Left + step->leftChange;
  }
  // The escape test sees the Top just written; a duck that drifted off sideways flies on
  // unseen until it gets here.
  if (duck.picture.Top <= kEscapeTop) {
    AddSaturating(w.state.DucksMissed, 1);
    w.controls.label(LabelId::lbldm).Caption = StatusText(kDucksMissedPrefix, w.state.DucksMissed);
    Launch(w, duck);
  }
}

void timDuck_Timer(World& w) { FlightTick(w, BlueDuck(w)); }

void timRDuck_Timer(World& w) { FlightTick(w, RedDuck(w)); }

}  // namespace reedfall
