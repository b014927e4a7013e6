// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Random play: many seeded games of ten virtual minutes, random clicks and double-clicks
// anywhere (often aimed at a duck), New Game, and OK after random delays. After every event
// the shot counters must agree, at most one box may be open and each duck must be idle,
// flying or falling as its timers and Down flag say.
#include <gtest/gtest.h>

#include <random>

#include "fake_platform.h"

namespace reedfall::testing {
namespace {

constexpr int kGames = 200;
constexpr std::int64_t kGameLength = 10 * 60 * 1000;

struct SoakTally {
  int won = 0;
  int lost = 0;
  int hits = 0;
  int outOfAmmo = 0;
  int highestRound = 1;
};

class Soak {
 public:
  explicit Soak(std::uint32_t seed) : random_(seed) { t_.host.generator.Seed(seed); }

  void Play(SoakTally& tally) {
    while (t_.game.Now() < kGameLength) {
      const std::int64_t until = std::min(kGameLength, t_.game.Now() + Gap());
      RunTimersUntil(until);
      if (t_.game.OpenBox()) {
        (t_.game.OpenBox()->title == "The Hunt is Good!" ? tally.won : tally.lost) += 1;
        oksSeen_ += t_.game.MessageBoxOk() ? 1U : 0U;
      } else {
        PlayerEvent(tally);
      }
      Check("after the player's event");
      tally.highestRound = std::max<int>(tally.highestRound, t_.s().Round);
    }
  }

 private:
  std::int64_t Gap() { return std::uniform_int_distribution<std::int64_t>(0, 2500)(random_); }

  // Every millisecond at which a tick falls due, checked after its ticks have run.
  void RunTimersUntil(std::int64_t until) {
    for (auto wake = t_.game.NextWake(); wake && *wake <= until; wake = t_.game.NextWake()) {
      t_.game.AdvanceTo(*wake);
      Check("after a tick");
    }
    t_.game.AdvanceTo(until);
  }

  void PlayerEvent(SoakTally& tally) {
    const int roll = std::uniform_int_distribution<int>(0, 99)(random_);
    if (roll < 2) {
      t_.game.MenuNewGame();
      return;
    }
    double x = std::uniform_real_distribution<double>(-200, 7500)(random_);
    double y = std::uniform_real_distribution<double>(-200, 7300)(random_);
    if (roll < 60) {  // aim at a duck, roughly
      const DuckPicture& duck = roll < 50 ? t_.blue() : t_.red();
      x = duck.Left + std::uniform_real_distribution<double>(-50, 560)(random_);
      y = duck.Top + std::uniform_real_distribution<double>(-50, 500)(random_);
    }
    x = std::floor(x);
    y = std::floor(y);
    const int killsBefore = t_.s().DucksKilled;
    if (roll < 85) {
      t_.game.Click(x, y);
    } else {
      t_.game.DblClick(x, y);
    }
    tally.hits += std::max(0, t_.s().DucksKilled - killsBefore);
    tally.outOfAmmo += t_.w().label(LabelId::lblMessage).Caption == "Out Of Ammo!!!";
  }

  void Check(const char* when) {
    const GameState& s = t_.s();
    ASSERT_EQ(s.ShotsUsed, s.ShotsMissed + s.DucksKilled) << when << " at " << t_.game.Now();
    ASSERT_EQ(s.ShotsLeft + s.ShotsUsed, 50) << when << " at " << t_.game.Now();
    ASSERT_GE(s.ShotsLeft, 0) << when;
    // Every box opened has been closed by OK, but for at most the one open now.
    ASSERT_EQ(t_.host.boxes.size(), oksSeen_ + (t_.game.OpenBox() ? 1U : 0U)) << when;
    ASSERT_NE(ActivityOf(t_.world(), DuckColour::Blue), DuckActivity::Inconsistent) << when;
    ASSERT_NE(ActivityOf(t_.world(), DuckColour::Red), DuckActivity::Inconsistent) << when;
  }

  TestGame t_;
  std::mt19937 random_;
  std::size_t oksSeen_ = 0;
};

TEST(Soak, RandomPlayKeepsTheCountersAndTheDucksConsistent) {
  SoakTally tally;
  for (std::uint32_t seed = 1; seed <= kGames; ++seed) {
    Soak soak(seed);
    soak.Play(tally);
    if (::testing::Test::HasFatalFailure()) {
      FAIL() << "game with seed " << seed;
    }
  }
  // The games must really have reached the rules under test.
  EXPECT_GT(tally.won, 50);
  EXPECT_GT(tally.lost, 50);
  EXPECT_GT(tally.outOfAmmo, 0);
  EXPECT_GE(tally.highestRound, 3);
  RecordProperty("won", tally.won);
  RecordProperty("lost", tally.lost);
  std::printf("soak: %d games, %d won rounds, %d lost, %d hits, highest round %d\n", kGames,
              tally.won, tally.lost, tally.hits, tally.highestRound);
}

}  // namespace
}  // namespace reedfall::testing
