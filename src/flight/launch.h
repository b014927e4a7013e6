// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Launching a duck: a fresh flight from a random side, height and speed class.
#pragma once

namespace reedfall {

struct World;
struct Duck;

inline constexpr float kLaunchLeftFromRight = 7440;  // direction 1: just beyond the right edge
inline constexpr float kLaunchLeftFromLeft = -600;   // direction 2: just beyond the left edge
inline constexpr int kLowestLaunchTop = 2500;
inline constexpr int kLaunchTopSpan = 2500;  // Top 2500 to 4999

// Stops any fall, makes the duck hittable, reseeds, draws direction, height and speed in that
// order, places the duck, primes its frame counter and starts its flight timer. The picture
// keeps the frame it showed until the first flight tick.
void Launch(World& w, const Duck& duck);

void LaunchDuck(World& w);
void LaunchRedDuck(World& w);

}  // namespace reedfall
