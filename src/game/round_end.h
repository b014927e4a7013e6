// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The round clock and the end of a round. A round end runs in two halves around its box: the
// first stops the clock and opens the box, the second runs when the player presses OK.
#pragma once

#include <optional>

#include "world/world.h"

namespace reedfall {

// The box that a round end of this kind shows; none for no round end.
std::optional<MessageBoxText> RoundEndBox(RoundEnd kind);

// The round can end now: the clock has run out and no round end is under way. The poll acts
// on nothing else, so while this is false its ticks may be skipped.
bool RoundCanEnd(const World& w);

// The countdown's tick and the round-end poll's (frmmain/wiring.h).
void timleft_Timer(World& w);
void timWinLose_Timer(World& w);

void RoundLost(World& w);
void RoundLostAfterBox(World& w);
void RoundWon(World& w);
void RoundWonAfterBox(World& w);

}  // namespace reedfall
