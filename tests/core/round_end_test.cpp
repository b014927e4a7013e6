// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The round clock and the end of a round: the box, the next round's clock and target, the
// start over after a loss, and the single handling of a round end while its box is open.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "game/rules.h"

namespace reedfall::testing {
namespace {

using enum LabelId;
using enum TimerId;

class RoundEnd : public ::testing::Test {
 protected:
  RoundEnd() { t.StartFromPrompt(); }

  // Lets the clock run out right now: the countdown's last tick and the poll after it.
  void RunOutTheClock() {
    t.s().TimeLeft = 1;
    t.game.Enable(timleft);
    t.Wait(600);
  }
  bool BoxOpen() { return t.game.OpenBox().has_value(); }
  bool Won() { return BoxOpen() && t.game.OpenBox()->title == kWonTitle; }

  TestGame t;
};

TEST_F(RoundEnd, TheRoundEndsAtThePollOfTheMillisecondTheClockReachesZero) {
  t.s().Score = 7500;  // exactly the target: a win
  t.Wait(72000 - 1);
  EXPECT_FALSE(BoxOpen());
  EXPECT_EQ(t.s().TimeLeft, 1);
  t.Wait(1);
  ASSERT_TRUE(Won());
  EXPECT_EQ(t.caption(lbltime), "Time Left: 0");
  ASSERT_EQ(t.host.boxes.size(), 1U);
  EXPECT_EQ(t.host.boxes[0].title, "The Hunt is Good!");
  EXPECT_EQ(t.host.boxes[0].text, "You Have Won! Congrats, Moving to next level!");
}

TEST_F(RoundEnd, ALostRoundStopsTheClockAndTheBlueDuckThenStartsOver) {
  t.s().Score = 7000;
  t.s().Round = 7;
  t.s().TargetScore = 93330;
  RunOutTheClock();
  ASSERT_TRUE(BoxOpen());
  EXPECT_EQ(t.host.boxes.back().title, "The Hunt is over!");
  EXPECT_EQ(t.host.boxes.back().text,
            "You Have Lost! You Miseed to many ducks! Game Reset to play again.");
  EXPECT_FALSE(t.game.Enabled(timleft));
  EXPECT_FALSE(t.game.Enabled(timDuck));
  EXPECT_FALSE(t.game.Enabled(timDead));
  ASSERT_TRUE(t.game.MessageBoxOk());
  EXPECT_EQ(t.s().Round, 1);
  EXPECT_EQ(t.s().Score, 0);
  EXPECT_EQ(t.s().TargetScore, 7500);
  EXPECT_EQ(t.s().TimeLeft, 120);
  EXPECT_TRUE(t.game.Enabled(timleft));
  EXPECT_TRUE(t.game.Enabled(timDuck));
  EXPECT_EQ(t.caption(lbltime), "Time Left: 0");  // until the new countdown's first tick
}

TEST_F(RoundEnd, TheRedDuckFliesOnUnderTheLostBox) {
  t.s().RedDir = 1;
  t.s().RedSpeed = 1;
  t.red().Left = 5000;
  t.red().Top = 4000;
  t.game.Enable(timRDuck);
  RunOutTheClock();
  ASSERT_TRUE(BoxOpen());
  const float left = t.red().Left;
  t.Wait(600);
  EXPECT_EQ(t.red().Left, left - 10 * 250);
}

struct RoundRow {
  int round;
  int timeLeft;
  double target;
  bool clockRunsAtOnce;
};

TEST_F(RoundEnd, EachWonRoundSetsTheNextClockAndTargetFromTheRoundTable) {
  const RoundRow table[] = {
      {2, 115, 18200, false}, {3, 90, 43200, false}, {4, 75, 68200, false}, {5, 60, 93200, false},
      {6, 45, 93260, true},   {7, 45, 93330, true},  {8, 45, 93410, true},
  };
  t.s().Score = 1e6;
  for (const RoundRow& row : table) {
    RunOutTheClock();
    ASSERT_TRUE(Won()) << "entering round " << row.round;
    ASSERT_TRUE(t.game.MessageBoxOk());
    EXPECT_EQ(t.s().Round, row.round);
    EXPECT_EQ(t.s().TimeLeft, row.timeLeft) << row.round;
    EXPECT_EQ(t.s().TargetScore, row.target) << row.round;
    EXPECT_EQ(t.game.Enabled(timleft), row.clockRunsAtOnce) << row.round;
    EXPECT_TRUE(t.game.Enabled(timDuck));
    EXPECT_TRUE(t.game.Enabled(timRDuck));
    EXPECT_EQ(t.caption(lblRound), "Round: " + std::to_string(row.round));
    EXPECT_EQ(t.caption(lbltime), "Time Left: " + std::to_string(row.timeLeft));
  }
}

TEST_F(RoundEnd, AWonRoundResetsTheRoundsCountersButNotTheScoreOrItsLabel) {
  t.PlaceBlueInOpenSky();
  t.ClickMiddleOf(t.blue());
  t.game.Click(100, 100);
  t.s().ShotsLeft = 0;
  t.game.Click(100, 100);
  ASSERT_TRUE(t.visible(lblMessage));
  t.s().Score = 9000;
  RunOutTheClock();
  ASSERT_TRUE(Won());
  EXPECT_FALSE(t.visible(lblMessage));  // hidden before the box opens
  t.game.MessageBoxOk();
  EXPECT_EQ(t.s().ShotsLeft, 50);
  EXPECT_EQ(t.s().ShotsUsed, 0);
  EXPECT_EQ(t.s().ShotsMissed, 0);
  EXPECT_EQ(t.s().DucksKilled, 0);
  EXPECT_EQ(t.s().DucksMissed, 0);
  EXPECT_EQ(t.s().Score, 9000);
  EXPECT_EQ(t.s().TargetScore, 18200);  // 9200 more to go
  EXPECT_EQ(t.caption(lblHS), "HighScore: 500");
  EXPECT_EQ(t.caption(lblS), "Shots Used: 0");
  EXPECT_EQ(t.caption(lblsl), "Shots Left: 50");
  EXPECT_FALSE(t.s().DuckDown);  // the falling duck was relaunched
}

TEST_F(RoundEnd, RoundsTwoToFiveStandStillUntilABlueDuckFalls) {
  t.s().Score = 7500;
  RunOutTheClock();
  t.game.MessageBoxOk();
  // A red hit, then every shot spent on the scenery: the clock does not move.
  t.red().Left = 1000;
  t.red().Top = 500;
  t.ClickMiddleOf(t.red());
  ASSERT_TRUE(t.s().RedDown);
  for (int i = 0; i < 60; ++i) {
    t.game.Click(100, 100);
  }
  ASSERT_EQ(t.s().ShotsLeft, 0);
  t.Wait(600000);
  EXPECT_EQ(t.s().TimeLeft, 115);
  EXPECT_FALSE(BoxOpen());
  // The first blue fall tick starts it.
  t.s().ShotsLeft = 1;
  t.PlaceBlueInOpenSky();
  t.ClickMiddleOf(t.blue());
  t.Wait(60);
  EXPECT_TRUE(t.game.Enabled(timleft));
  t.Wait(600);
  EXPECT_EQ(t.s().TimeLeft, 114);
}

TEST_F(RoundEnd, ABlueDuckFallingUnderTheWonBoxRunsTheClockBelowZeroAndIntoTheNextRound) {
  t.s().Score = 7500;
  t.PlaceBlueInOpenSky(3000, 100);
  t.ClickMiddleOf(t.blue());
  RunOutTheClock();
  ASSERT_TRUE(Won());
  EXPECT_FALSE(t.game.Enabled(timleft));
  t.Wait(60);
  EXPECT_TRUE(t.game.Enabled(timleft));
  t.Wait(3000);
  EXPECT_EQ(t.s().TimeLeft, -5);
  EXPECT_EQ(t.caption(lbltime), "Time Left: -5");
  EXPECT_EQ(t.host.boxes.size(), 1U);  // the poll under the box started nothing
  t.game.MessageBoxOk();
  EXPECT_EQ(t.s().TimeLeft, 115);
  EXPECT_EQ(t.s().DucksKilled, 0);
  EXPECT_EQ(t.s().Score, 8000);  // the kill still counts in the score
  EXPECT_TRUE(t.game.Enabled(timleft));
  t.Wait(600);
  EXPECT_EQ(t.s().TimeLeft, 114);
}

TEST_F(RoundEnd, TheCountdownStopsAtItsLowestValueInsteadOfOverflowing) {
  t.s().Score = 7500;
  t.PlaceBlueInOpenSky(3000, 100);
  t.ClickMiddleOf(t.blue());
  RunOutTheClock();
  t.Wait(21000000);
  EXPECT_EQ(t.s().TimeLeft, -32768);
  EXPECT_EQ(t.caption(lbltime), "Time Left: -32768");
  EXPECT_GT(t.s().DucksMissed, 0);
  ASSERT_TRUE(t.game.MessageBoxOk());
  EXPECT_EQ(t.s().Round, 2);
  EXPECT_EQ(t.s().TimeLeft, 115);
  t.PlaceBlueInOpenSky();
  EXPECT_EQ(t.ClickMiddleOf(t.blue()), Control::imgDuck);
  EXPECT_EQ(t.s().Score, 8500);
}

TEST_F(RoundEnd, WhileTheBoxIsOpenThePlayerReachesNothing) {
  RunOutTheClock();
  ASSERT_TRUE(BoxOpen());
  const GameState before = t.s();
  t.game.Click(100, 100);
  t.game.DblClick(3650, 2000);
  t.game.MenuNewGame();
  t.game.MenuEnd();
  EXPECT_EQ(t.s().ShotsUsed, before.ShotsUsed);
  EXPECT_EQ(t.s().Round, before.Round);
  EXPECT_EQ(t.host.ends, 0);
  EXPECT_TRUE(t.game.MessageBoxOk());
  EXPECT_FALSE(t.game.MessageBoxOk());  // no second box to close
}

}  // namespace
}  // namespace reedfall::testing
