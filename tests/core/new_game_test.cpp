// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the start prompt, File > New Game and File > End.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "game/rules.h"

namespace reedfall::testing {
namespace {

using enum LabelId;
using enum TimerId;

TEST(FormLoad, OpensWithThePromptTheLoadValuesAndOnlyThePoll) {
  TestGame t;
  EXPECT_FALSE(t.game.world().GameStarted);
  EXPECT_EQ(t.s().Round, 1);
  EXPECT_EQ(t.s().TimeLeft, 120);
  EXPECT_EQ(t.s().ShotsLeft, 50);
  EXPECT_EQ(t.s().TargetScore, 0);
  EXPECT_EQ(t.caption(lblMessage), "Click Here To Start The Game!!!");
  EXPECT_TRUE(t.visible(lblMessage));
  for (const LabelSpec& spec : kLabelTable) {
    if (spec.id != lblMessage) {
      EXPECT_FALSE(t.visible(spec.id)) << spec.name;
    }
  }
  for (const TimerSpec& spec : kTimerTable) {
    EXPECT_EQ(t.game.Enabled(spec.id), spec.id == timWinLose) << spec.name;
  }
  // Both ducks show frame 0 and lie beyond the right edge.
  EXPECT_EQ(t.blue().frame, 0);
  EXPECT_EQ(t.red().frame, 0);
  EXPECT_GE(t.blue().Left, kClientWidth);
  EXPECT_GE(t.red().Left, kClientWidth);
  EXPECT_EQ(t.blue().Height, 435);
  EXPECT_EQ(t.red().Height, 465);
}

TEST(FormLoad, ThePollDoesNothingBeforeTheFirstGame) {
  TestGame t;
  t.Wait(600000);
  EXPECT_FALSE(t.game.OpenBox().has_value());
  EXPECT_EQ(t.s().TimeLeft, 120);
  EXPECT_EQ(t.game.NextWake(), std::nullopt);  // nothing worth waking for
}

TEST(NewGame, ThePromptStartsRoundOneWithFreshLabelsAndTheBlueDuckLaunched) {
  TestGame t;
  t.StartFromPrompt({0.25, 0.5, 0.75});
  EXPECT_TRUE(t.game.world().GameStarted);
  EXPECT_EQ(t.s().Round, 1);
  EXPECT_EQ(t.s().TargetScore, 7500);
  EXPECT_EQ(t.caption(lblRound), "Round: 1");
  EXPECT_EQ(t.caption(lblHS), "High Score: 0");
  EXPECT_EQ(t.caption(lblDK), "Ducks Killed: 0");
  EXPECT_EQ(t.caption(lblS), "Shots Used: 0");
  EXPECT_EQ(t.caption(lblsl), "Shots Left: 50");
  EXPECT_EQ(t.caption(lblsm), "Shots Missed: 0");
  EXPECT_EQ(t.caption(lbldm), "Ducks Missed: 0");
  EXPECT_EQ(t.caption(lbltime), "Time Left: 120");  // the design-time text, not rewritten
  for (const LabelSpec& spec : kLabelTable) {
    EXPECT_EQ(t.visible(spec.id), spec.id != lblMessage) << spec.name;
  }
  EXPECT_EQ(t.caption(lblMessage), "");
  EXPECT_TRUE(t.game.Enabled(timDuck));
  EXPECT_TRUE(t.game.Enabled(timleft));
  EXPECT_FALSE(t.game.Enabled(timRDuck));
  // Direction 1 from 0.25, height 2500 + 1250, speed class 2 from 0.75.
  EXPECT_EQ(t.s().DuckDir, 1);
  EXPECT_EQ(t.blue().Top, 3750);
  EXPECT_EQ(t.blue().Left, 7440);
  EXPECT_EQ(t.s().DuckFrame, 4);
  EXPECT_EQ(t.red().Left, 7800);
  EXPECT_EQ(t.red().Top, 465);
}

TEST(NewGame, ASecondClickOnThePromptDoesNothing) {
  TestGame t;
  t.StartFromPrompt();
  t.Wait(6000);
  const GameState before = t.s();
  // Run the shots out so that the label shows the notice, then click it twice more.
  t.s().ShotsLeft = 0;
  t.blue().Left = 7800;  // keep the duck out of the way of the prompt
  t.game.Click(100, 100);
  ASSERT_EQ(t.caption(lblMessage), "Out Of Ammo!!!");
  t.game.Click(3650, 2000);
  t.game.Click(3650, 2000);
  EXPECT_EQ(t.s().TimeLeft, before.TimeLeft);
  EXPECT_EQ(t.s().ShotsLeft, 0);
  EXPECT_EQ(t.caption(lblMessage), "Out Of Ammo!!!");
}

TEST(NewGame, AGameFromTheMenuLeavesThePromptArmed) {
  TestGame t;
  t.game.MenuNewGame();
  EXPECT_FALSE(t.game.world().GameStarted);
  t.s().ShotsLeft = 0;
  t.game.Click(100, 100);
  ASSERT_TRUE(t.visible(lblMessage));
  t.s().Score = 1500;
  t.game.Click(3650, 2000);  // the notice, now a working prompt
  EXPECT_TRUE(t.game.world().GameStarted);
  EXPECT_EQ(t.s().ShotsLeft, 50);
  EXPECT_EQ(t.s().Score, 0);
  EXPECT_FALSE(t.visible(lblMessage));
}

TEST(NewGame, ClicksOnTheSceneryBeforeTheFirstGameCountButTheGameStartsFresh) {
  TestGame t;
  for (int i = 0; i < 51; ++i) {
    t.game.Click(100, 100);
  }
  EXPECT_EQ(t.s().ShotsMissed, 50);
  EXPECT_EQ(t.s().ShotsLeft, 0);
  EXPECT_EQ(t.caption(lblMessage), "Out Of Ammo!!!");
  EXPECT_FALSE(t.visible(lblsm));
  t.game.Click(3650, 2000);
  EXPECT_EQ(t.s().ShotsLeft, 50);
  EXPECT_EQ(t.s().ShotsMissed, 0);
}

TEST(NewGame, MidRoundRestartResetsAndRelaunchesAFallingDuckAndParksTheRedOne) {
  for (const bool redFalling : {false, true}) {
    TestGame t;
    t.StartFromPrompt();
    t.Wait(300);
    t.s().Round = 3;
    t.s().Score = 9000;
    t.s().RedDir = 2;
    t.s().RedSpeed = 1;
    t.Enable(timRDuck);
    t.red().Left = 2000;
    t.red().Top = 2000;
    if (redFalling) {
      ASSERT_EQ(t.ClickMiddleOf(t.red()), Control::imgRedD);
      t.Wait(60);
      ASSERT_TRUE(t.game.Enabled(timRdead));
      ASSERT_EQ(t.s().RedFrame, 9);
    }
    ASSERT_EQ(t.ClickMiddleOf(t.blue()), Control::imgDuck);
    ASSERT_TRUE(t.game.Enabled(timDead));
    t.Draws({0.75, 0.5, 0});
    t.game.MenuNewGame();
    EXPECT_EQ(t.s().Round, 1);
    EXPECT_EQ(t.s().Score, 0);
    EXPECT_FALSE(t.s().DuckDown);
    EXPECT_FALSE(t.game.Enabled(timDead));
    EXPECT_TRUE(t.game.Enabled(timDuck));
    EXPECT_EQ(t.blue().Left, -600);
    EXPECT_EQ(t.blue().Top, 3750);
    // The red duck stops wherever it is, flying or falling, and waits parked for a won round.
    EXPECT_FALSE(t.game.Enabled(timRDuck)) << redFalling;
    EXPECT_FALSE(t.game.Enabled(timRdead)) << redFalling;
    EXPECT_EQ(t.s().RedFrame, 0) << redFalling;
    EXPECT_EQ(t.s().RedDown, redFalling);  // left as it was, until the red duck's next launch
    EXPECT_EQ(t.red().frame, redFalling ? 9 : 0);  // the picture is not touched either
    EXPECT_EQ(t.red().Left, 7800);
    EXPECT_EQ(t.red().Top, 465);
  }
}

TEST(NewGame, TheTimeLabelKeepsTheOldCountdownUntilTheNextTick) {
  TestGame t;
  t.StartFromPrompt();
  t.Wait(1800);
  ASSERT_EQ(t.caption(lbltime), "Time Left: 117");
  t.game.MenuNewGame();
  EXPECT_EQ(t.caption(lbltime), "Time Left: 117");
  t.Wait(600);
  EXPECT_EQ(t.caption(lbltime), "Time Left: 119");
}

TEST(EndProgram, TheMenuAndTheCloseButtonEndAtOnceAndNothingRunsAfter) {
  enum class Way { Menu, CloseButton, CloseButtonUnderTheBox };
  for (const Way way : {Way::Menu, Way::CloseButton, Way::CloseButtonUnderTheBox}) {
    TestGame t;
    t.StartFromPrompt();
    t.Wait(120);
    if (way == Way::CloseButtonUnderTheBox) {
      t.s().TimeLeft = 1;
      t.Wait(600);
      ASSERT_TRUE(t.game.OpenBox().has_value());
    }
    way == Way::Menu ? t.game.MenuEnd() : t.game.CloseButton();
    EXPECT_EQ(t.host.ends, 1);
    EXPECT_TRUE(t.game.Ended());
    const GameState before = t.s();
    const float top = t.blue().Top;
    t.Wait(6000);
    t.game.Click(100, 100);
    t.game.MenuNewGame();
    t.game.CloseButton();
    EXPECT_FALSE(t.game.MessageBoxOk());
    EXPECT_EQ(t.host.ends, 1);
    EXPECT_EQ(t.s().TimeLeft, before.TimeLeft);
    EXPECT_EQ(t.s().ShotsLeft, before.ShotsLeft);
    EXPECT_EQ(t.s().Round, before.Round);
    EXPECT_EQ(t.blue().Top, top);
  }
}

}  // namespace
}  // namespace reedfall::testing
