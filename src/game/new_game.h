// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the start prompt, the File menu and a new game.
#pragma once

namespace reedfall {

class Game;

void Form_Load(Game& g);
void lblMessage_Click(Game& g);
void mnuNewGame_Click(Game& g);
void mnuEnd_Click(Game& g);
// Round 1, score 0, fresh counters and labels; the red duck parked, the blue one launched.
void NewGame(Game& g);

// Rewrites the labels of the round's counters: kills, shots used, left and missed, ducks missed.
void WriteRoundCounterLabels(Game& g);

}  // namespace reedfall
