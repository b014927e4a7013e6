// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shots: every click or double-click on a picture of the play field, while shots are left.
#pragma once

#include "game/int16.h"

namespace reedfall {

class Game;

// Shared by every picture's handler that only counts a miss.
void MissHandler(Game& g);
void ShotMissed(Game& g);
void DuckHit(Game& g);
void RedDuckHit(Game& g);

void imgDuck_Click(Game& g);
void imgRedD_Click(Game& g);
void imgDuck_DblClick(Game& g);
void imgRedD_DblClick(Game& g);
void Image1_Click(Game& g, Int16 index);
void Image1_DblClick(Game& g, Int16 index);
void imgTop_Click(Game& g);
void imgTop_DblClick(Game& g);
void imgback_Click(Game& g);
void imgback_DblClick(Game& g);

}  // namespace reedfall
