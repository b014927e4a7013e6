// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the start prompt, the File menu and a new game.
#pragma once

namespace reedfall {

struct World;

void Form_Load(World& w);
// The start prompt's click (frmmain/wiring.h).
void lblMessage_Click(World& w);
void mnuNewGame_Click(World& w);
void mnuEnd_Click(World& w);
// Round 1, score 0, fresh counters and labels; the red duck parked, the blue one launched.
void NewGame(World& w);

// Rewrites the labels of the round's counters: kills, shots used, left and missed, ducks missed.
void WriteRoundCounterLabels(World& w);

}  // namespace reedfall
