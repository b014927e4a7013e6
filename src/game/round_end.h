// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The round clock and the end of a round. A round end runs in two halves around its box: the
// first stops the clock and opens the box, the second runs when the player presses OK.
#pragma once

namespace reedfall {

class Game;

void timleft_Timer(Game& g);
void timWinLose_Timer(Game& g);

void RoundLost(Game& g);
void RoundLostAfterBox(Game& g);
void RoundWon(Game& g);
void RoundWonAfterBox(Game& g);

}  // namespace reedfall
