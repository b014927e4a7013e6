// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded games of ten virtual minutes, of two kinds of player. A careless one clicks and
// double-clicks anywhere (often near a duck), chooses New Game now and then, and presses OK
// after random delays. A good one watches closely and shoots a duck the moment nothing lies
// above its middle, so that it wins round after round and meets the red duck and the late
// rounds; now and then it double-clicks or shoots the scenery. After every tick and every
// event the shot counters must agree, at most one box may be open and each duck must be idle,
// flying or falling as its timers and Down flag say.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <tuple>
#include <utility>

#include "fake_platform.h"

namespace reedfall::testing {
namespace {

constexpr int kGames = 200;
constexpr std::int64_t kGameLength = 10 * 60 * 1000;

struct SoakTally {
  int won = 0;
  int lost = 0;
  int hits = 0;
  int redHits = 0;
  int outOfAmmo = 0;
  int highestRound = 1;
};

class Soak {
 public:
  Soak(std::uint32_t seed, bool good) : random_(seed), good_(good) { t_.host.generator.Seed(seed); }

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
  std::int64_t Gap() {
    return std::uniform_int_distribution<std::int64_t>(good_ ? 20 : 0, good_ ? 80 : 2500)(random_);
  }

  // Every millisecond at which a tick falls due, checked after its ticks have run.
  void RunTimersUntil(std::int64_t until) {
    for (auto wake = t_.game.NextWake(); wake && *wake <= until; wake = t_.game.NextWake()) {
      t_.game.AdvanceTo(*wake);
      Check("after a tick");
    }
    t_.game.AdvanceTo(until);
  }

  int Roll() { return std::uniform_int_distribution<int>(0, 99)(random_); }

  // The middle of a duck, where a player aims.
  static std::pair<double, double> MiddleOf(const DuckPicture& duck) {
    return {std::floor(duck.Left) + duck.Width / 2, std::floor(duck.Top) + duck.Height / 2};
  }

  // A flying duck whose middle a click would reach, the red one first: it is worth more.
  std::optional<std::pair<double, double>> ClearShot() {
    const GameState& s = t_.s();
    const auto [rx, ry] = MiddleOf(t_.red());
    if (t_.game.Enabled(TimerId::timRDuck) && !s.RedDown &&
        t_.game.ControlAt(rx, ry) == Control::imgRedD) {
      return std::pair{rx, ry};
    }
    const auto [bx, by] = MiddleOf(t_.blue());
    if (t_.game.Enabled(TimerId::timDuck) && !s.DuckDown &&
        t_.game.ControlAt(bx, by) == Control::imgDuck) {
      return std::pair{bx, by};
    }
    return std::nullopt;
  }

  void PlayerEvent(SoakTally& tally) {
    const int roll = Roll();
    if (!good_ && roll < 2) {
      t_.game.MenuNewGame();
      return;
    }
    double x = std::uniform_real_distribution<double>(-200, 7500)(random_);
    double y = std::uniform_real_distribution<double>(-200, 7300)(random_);
    if (good_) {
      const auto shot = ClearShot();
      if (!shot && roll >= 3) {
        return;  // nothing worth a shot: wait for a duck
      }
      if (shot) {
        std::tie(x, y) = *shot;
      }
    } else if (roll < 60) {  // aim at a duck, roughly
      const DuckPicture& duck = roll < 50 ? t_.blue() : t_.red();
      x = duck.Left + std::uniform_real_distribution<double>(-50, 560)(random_);
      y = duck.Top + std::uniform_real_distribution<double>(-50, 500)(random_);
    }
    x = std::floor(x);
    y = std::floor(y);
    const int killsBefore = t_.s().DucksKilled;
    const bool redDownBefore = t_.s().RedDown;
    if (good_ ? Roll() >= 3 : roll < 85) {
      t_.game.Click(x, y);
    } else {
      t_.game.DblClick(x, y);
    }
    tally.hits += std::max(0, t_.s().DucksKilled - killsBefore);
    tally.redHits += !redDownBefore && t_.s().RedDown ? 1 : 0;
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
  bool good_;
  std::size_t oksSeen_ = 0;
};

TEST(Soak, PlayKeepsTheCountersAndTheDucksConsistent) {
  SoakTally careless;
  SoakTally good;
  for (std::uint32_t seed = 1; seed <= kGames; ++seed) {
    // One game in five is played well.
    const bool played = seed % 5 == 0;
    Soak soak(seed, played);
    soak.Play(played ? good : careless);
    if (::testing::Test::HasFatalFailure()) {
      FAIL() << "game with seed " << seed;
    }
  }
  // The games must really have reached the rules under test.
  EXPECT_GT(careless.won, 50);
  EXPECT_GT(careless.lost, 50);
  EXPECT_GT(careless.outOfAmmo, 0);
  EXPECT_GT(good.won, 10 * kGames / 5);
  EXPECT_GE(good.highestRound, 10);
  EXPECT_GT(good.redHits, 1000);
  for (const auto& [kind, tally] : {std::pair{"careless", careless}, std::pair{"good", good}}) {
    std::printf("soak, %s player: %d won rounds, %d lost, %d hits (%d red), highest round %d\n",
                kind, tally.won, tally.lost, tally.hits, tally.redHits, tally.highestRound);
  }
}

}  // namespace
}  // namespace reedfall::testing
