// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The status texts, a prefix and a plain decimal number, and the 16-bit counters in them.
#include "world/status_text.h"

#include <gtest/gtest.h>

namespace reedfall {
namespace {

TEST(StatusText, ScoreIsPlainDecimal) {
  EXPECT_EQ(StatusText(kHighScoreHitPrefix, 8700.0), "HighScore: 8700");
  EXPECT_EQ(StatusText(kHighScoreNewGamePrefix, -0.0), "High Score: 0");
}

TEST(StatusText, CountersAreSignedDecimalWithoutPadding) {
  EXPECT_EQ(StatusText(kTimeLeftPrefix, Int16{-5}), "Time Left: -5");
  EXPECT_EQ(StatusText(kTimeLeftPrefix, Int16{-32768}), "Time Left: -32768");
  EXPECT_EQ(StatusText(kShotsLeftPrefix, Int16{0}), "Shots Left: 0");
  EXPECT_EQ(StatusText(kRoundPrefix, Int16{32767}), "Round: 32767");
}

TEST(Int16Counters, StayAtTheirBoundsInsteadOfOverflowing) {
  Int16 low = -32767;
  AddSaturating(low, -1);
  EXPECT_EQ(low, -32768);
  AddSaturating(low, -1);
  EXPECT_EQ(low, -32768);
  Int16 high = 32766;
  AddSaturating(high, 5);
  EXPECT_EQ(high, 32767);
  AddSaturating(high, -2);
  EXPECT_EQ(high, 32765);
}

}  // namespace
}  // namespace reedfall
