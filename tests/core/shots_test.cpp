// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shots, hits and misses: every click or double-click on the play field is a shot while shots
// are left; only a single click on a duck already down is no shot at all.
#include <gtest/gtest.h>

#include "fake_platform.h"

namespace reedfall::testing {
namespace {

using enum LabelId;
using enum TimerId;

class Shots : public ::testing::Test {
 protected:
  Shots() {
    t.StartFromPrompt();
    t.PlaceBlueInOpenSky();
  }
  void ExpectShotInvariants() {
    EXPECT_EQ(t.s().ShotsUsed, t.s().ShotsMissed + t.s().DucksKilled);
    EXPECT_EQ(t.s().ShotsLeft + t.s().ShotsUsed, 50);
  }
  // Brings the red duck into the open sky, flying, as a won round would.
  void FlyRedDuck(float left = 1000, float top = 500) {
    t.s().RedDir = 2;
    t.s().RedSpeed = 1;
    t.red().Left = left;
    t.red().Top = top;
    t.Enable(timRDuck);
  }
  TestGame t;
};

TEST_F(Shots, AHitOnTheBlueDuckScoresStopsItsFlightAndStartsItsFall) {
  EXPECT_EQ(t.ClickMiddleOf(t.blue()), Control::imgDuck);
  EXPECT_EQ(t.s().Score, 500);
  EXPECT_TRUE(t.s().DuckDown);
  EXPECT_EQ(t.s().DuckFrame, 8);
  EXPECT_EQ(t.blue().frame, 8);
  EXPECT_EQ(t.blue().Height, 465);  // the hit frame is two pixels taller
  EXPECT_EQ(t.s().DucksKilled, 1);
  EXPECT_FALSE(t.game.Enabled(timDuck));
  EXPECT_TRUE(t.game.Enabled(timDead));
  EXPECT_EQ(t.caption(lblHS), "HighScore: 500");
  EXPECT_EQ(t.caption(lblDK), "Ducks Killed: 1");
  EXPECT_EQ(t.caption(lblS), "Shot Used: 1");
  EXPECT_EQ(t.caption(lblsl), "Shots Left: 49");
  ExpectShotInvariants();
}

TEST_F(Shots, AMissCountsOnlyTheShotWithTheOtherPrefix) {
  EXPECT_EQ(t.game.Click(200, 200), Control::imgback);
  EXPECT_EQ(t.s().ShotsMissed, 1);
  EXPECT_EQ(t.caption(lblS), "Shots Used: 1");
  EXPECT_EQ(t.caption(lblsl), "Shots Left: 49");
  EXPECT_EQ(t.caption(lblsm), "Shots Missed: 1");
  ASSERT_EQ(t.ClickMiddleOf(t.blue()), Control::imgDuck);
  EXPECT_EQ(t.caption(lblS), "Shot Used: 2");
  EXPECT_EQ(t.s().Score, 500);
  ExpectShotInvariants();
}

TEST_F(Shots, EveryPieceOfSceneryIsAMissWhateverItsIndex) {
  const struct {
    double x;
    double y;
    Control control;
  } points[] = {
      {100, 100, Control::imgback},    {3000, 3300, Control::imgTop},
      {100, 3300, Control::Image1_0},  {7000, 3300, Control::Image1_1},
      {3000, 5000, Control::Image1_2},
  };
  int misses = 0;
  for (const auto& [x, y, control] : points) {
    EXPECT_EQ(t.game.Click(x, y), control);
    t.game.DblClick(x, y);
    misses += 3;  // the double-click is a click and then a double-click
    EXPECT_EQ(t.s().ShotsMissed, misses) << x << "," << y;
  }
  EXPECT_EQ(t.s().Score, 0);
  ExpectShotInvariants();
}

TEST_F(Shots, TheLastShotCountsAndTheNextClickOnlyShowsTheNotice) {
  t.s().ShotsLeft = 1;
  t.s().ShotsUsed = 49;
  t.s().ShotsMissed = 49;
  t.game.Click(200, 200);
  EXPECT_EQ(t.s().ShotsLeft, 0);
  EXPECT_FALSE(t.visible(lblMessage));
  const GameState before = t.s();
  for (const auto& click : {std::pair{200.0, 200.0}, std::pair{3000.0, 3300.0}}) {
    t.game.Click(click.first, click.second);
    t.game.DblClick(click.first, click.second);
  }
  t.ClickMiddleOf(t.blue());
  t.game.DblClick(t.blue().Left + 100, t.blue().Top + 100);
  EXPECT_EQ(t.caption(lblMessage), "Out Of Ammo!!!");
  EXPECT_TRUE(t.visible(lblMessage));
  EXPECT_EQ(t.s().ShotsLeft, 0);
  EXPECT_EQ(t.s().ShotsUsed, before.ShotsUsed);
  EXPECT_EQ(t.s().Score, before.Score);
  EXPECT_FALSE(t.s().DuckDown);
}

TEST_F(Shots, AClickOnAFallingDuckDoesNothingUnlessTheShotsAreGone) {
  t.ClickMiddleOf(t.blue());
  const GameState before = t.s();
  t.ClickMiddleOf(t.blue());
  EXPECT_EQ(t.s().Score, before.Score);
  EXPECT_EQ(t.s().ShotsUsed, before.ShotsUsed);
  EXPECT_FALSE(t.visible(lblMessage));
  t.s().ShotsLeft = 0;
  t.ClickMiddleOf(t.blue());
  EXPECT_TRUE(t.visible(lblMessage));
}

TEST_F(Shots, ADoubleClickOnAFlyingDuckIsAHitAndAMiss) {
  t.game.DblClick(t.blue().Left + 255, t.blue().Top + 200);
  EXPECT_EQ(t.s().DucksKilled, 1);
  EXPECT_EQ(t.s().ShotsMissed, 1);
  EXPECT_EQ(t.s().ShotsUsed, 2);
  EXPECT_EQ(t.s().Score, 500);
  ExpectShotInvariants();
}

TEST_F(Shots, ADoubleClickOnAFallingDuckIsOneMiss) {
  t.ClickMiddleOf(t.blue());
  t.game.DblClick(t.blue().Left + 255, t.blue().Top + 200);
  EXPECT_EQ(t.s().DucksKilled, 1);
  EXPECT_EQ(t.s().ShotsMissed, 1);
  EXPECT_EQ(t.s().ShotsUsed, 2);
}

TEST_F(Shots, TheRedDuckScores700AndLeavesTheBlueOneAlone) {
  t.s().Score = 7500;
  FlyRedDuck();
  t.ClickMiddleOf(t.blue());
  EXPECT_EQ(t.ClickMiddleOf(t.red()), Control::imgRedD);
  EXPECT_EQ(t.caption(lblHS), "HighScore: 8700");
  EXPECT_EQ(t.caption(lblDK), "Ducks Killed: 2");
  EXPECT_TRUE(t.s().RedDown);
  EXPECT_EQ(t.s().RedFrame, 8);
  EXPECT_EQ(t.red().frame, 8);
  EXPECT_FALSE(t.game.Enabled(timRDuck));
  EXPECT_TRUE(t.game.Enabled(timRdead));
  // Both fall at once, each counted once.
  EXPECT_TRUE(t.game.Enabled(timDead));
  EXPECT_EQ(t.s().DuckFrame, 8);
  ExpectShotInvariants();
}

TEST_F(Shots, ARedHitKeepsTheBlueDucksPictureAndCounter) {
  FlyRedDuck();
  t.s().DuckFrame = 1;
  ShowFrame(t.blue(), 1);
  t.ClickMiddleOf(t.red());
  EXPECT_EQ(t.s().DuckFrame, 1);
  EXPECT_EQ(t.blue().frame, 1);
  EXPECT_FALSE(t.s().DuckDown);
  EXPECT_TRUE(t.game.Enabled(timDuck));
}

}  // namespace
}  // namespace reedfall::testing
