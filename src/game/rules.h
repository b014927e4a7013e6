// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the game's rules: shots, scores, the clock and the round table.
#pragma once

#include <string_view>

#include "world/int16.h"

namespace reedfall {

inline constexpr Int16 kShotsPerRound = 50;
inline constexpr double kBlueDuckScore = 500;
inline constexpr double kRedDuckScore = 700;

inline constexpr Int16 kRound1TimeLimit = 120;
inline constexpr double kRound1Target = 7500;
inline constexpr Int16 kRound2TimeLimit = 115;
inline constexpr double kRound2Target = 18200;
// Rounds 3 to 5 add a fixed amount to the target; their time limits shrink.
inline constexpr double kEarlyRoundTargetStep = 25000;
inline constexpr Int16 kRound3TimeLimit = 90;
inline constexpr Int16 kRound4TimeLimit = 75;
inline constexpr Int16 kRound5TimeLimit = 60;
// From round 6 on the clock is short and the target grows by ten points per round number.
inline constexpr Int16 kLateRoundTimeLimit = 45;
inline constexpr double kLateRoundTargetPerRound = 10;
inline constexpr Int16 kFirstLateRound = 6;

inline constexpr std::string_view kOutOfAmmo = "Out Of Ammo!!!";
inline constexpr std::string_view kStartPrompt = "Click Here To Start The Game!!!";

inline constexpr std::string_view kLostText =
    "You Have Lost! You Miseed to many ducks! Game Reset to play again.";
inline constexpr std::string_view kLostTitle = "The Hunt is over!";
inline constexpr std::string_view kWonText = "You Have Won! Congrats, Moving to next level!";
inline constexpr std::string_view kWonTitle = "The Hunt is Good!";

}  // namespace reedfall
