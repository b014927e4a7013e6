// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The flight tick: beat the wings, move up and sideways, escape at the top.
#pragma once

#include <array>
#include <optional>

#include "world/int16.h"
#include "world/sprites.h"

namespace reedfall {

struct World;
struct Duck;

struct FlightStep {
  DuckColour colour;
  int speed;  // class 1 or 2
  int dir;    // 1 leftward, 2 rightward
  float topChange;
  float leftChange;
  int wrapAt;     // the counter wraps once it is at least this...
  int afterWrap;  // ...back to this, after the frame has been shown
};

inline constexpr std::array<FlightStep, 8> kFlightSteps{{
    {DuckColour::Blue, 1, 1, -75, -150, 1, -1},
    {DuckColour::Blue, 1, 2, -75, 150, 3, 1},
    {DuckColour::Blue, 2, 1, -100, -250, 5, 3},
    {DuckColour::Blue, 2, 2, -100, 250, 7, 5},
    {DuckColour::Red, 1, 1, -175, -250, 1, -1},
    {DuckColour::Red, 1, 2, -175, 250, 3, 1},
    {DuckColour::Red, 2, 1, -200, -350, 5, 3},
    {DuckColour::Red, 2, 2, -200, 350, 7, 5},
}};

// A duck whose Top is at or above this line after its move has escaped.
inline constexpr float kEscapeTop = -250;

std::optional<FlightStep> FindFlightStep(DuckColour colour, int speed, int dir);

void FlightTick(World& w, const Duck& duck);
// The blue and the red duck's flight timers run it (frmmain/wiring.h).
void timDuck_Timer(World& w);
void timRDuck_Timer(World& w);

}  // namespace reedfall
