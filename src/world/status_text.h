// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The status labels' texts: a fixed prefix followed at once by a number in plain decimal.
#pragma once

#include <string>
#include <string_view>

#include "world/int16.h"

namespace reedfall {

inline constexpr std::string_view kTimeLeftPrefix = "Time Left: ";
inline constexpr std::string_view kRoundPrefix = "Round: ";
// A new game writes the score with one prefix and a hit with another; both are the game's own.
inline constexpr std::string_view kHighScoreNewGamePrefix = "High Score: ";
inline constexpr std::string_view kHighScoreHitPrefix = "HighScore: ";
inline constexpr std::string_view kDucksKilledPrefix = "Ducks Killed: ";
inline constexpr std::string_view kDucksMissedPrefix = "Ducks Missed: ";
// Likewise a hit counts "Shot Used" where a miss, a new game and a won round count "Shots Used".
inline constexpr std::string_view kShotsUsedPrefix = "Shots Used: ";
inline constexpr std::string_view kShotUsedHitPrefix = "Shot Used: ";
inline constexpr std::string_view kShotsLeftPrefix = "Shots Left: ";
inline constexpr std::string_view kShotsMissedPrefix = "Shots Missed: ";

std::string StatusText(std::string_view prefix, Int16 value);
// The score: see DecimalText.
std::string StatusText(std::string_view prefix, double value);

}  // namespace reedfall
