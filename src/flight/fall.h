// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fall tick: a hit duck tumbles straight down and is launched again on the ground.
#pragma once

namespace reedfall {

struct World;
struct Duck;

inline constexpr int kLastFallFrame = 10;
inline constexpr float kFallStep = 275;  // twips a tick, straight down
inline constexpr float kGroundTop = 5005;

void FallTick(World& w, const Duck& duck);
// The ducks' fall timers run it (frmmain/wiring.h); the blue duck's fall also keeps the
// countdown switched on: rounds 2 to 5 start their clock with it.
void timDead_Timer(World& w);
void timRdead_Timer(World& w);

}  // namespace reedfall
