// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shots: every click or double-click on a picture of the play field, while shots are left.
#pragma once

namespace reedfall {

struct World;

// Shared by every picture's handler that only counts a miss (the handlers: world/handlers.h).
void MissHandler(World& w);
void ShotMissed(World& w);
void DuckHit(World& w);
void RedDuckHit(World& w);

}  // namespace reedfall
