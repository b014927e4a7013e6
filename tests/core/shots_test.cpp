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

// The same shots at either duck, each flying in open sky: the blue one at Left 3000, the red
// one at Left 1000.
class ShotsAtADuck : public Shots, public ::testing::WithParamInterface<DuckColour> {
 protected:
  ShotsAtADuck() { FlyRedDuck(); }
  [[nodiscard]] bool Red() const { return GetParam() == DuckColour::Red; }
  DuckPicture& Duck() { return Red() ? t.red() : t.blue(); }
  bool Down() { return Red() ? t.s().RedDown : t.s().DuckDown; }
  Int16 Frame() { return Red() ? t.s().RedFrame : t.s().DuckFrame; }
  [[nodiscard]] TimerId Flight() const { return Red() ? timRDuck : timDuck; }
  [[nodiscard]] TimerId Fall() const { return Red() ? timRdead : timDead; }
  [[nodiscard]] double Worth() const { return Red() ? 700 : 500; }
  [[nodiscard]] Control Picture() const { return Red() ? Control::imgRedD : Control::imgDuck; }
  void DoubleClickDuck() { t.game.DblClick(Duck().Left + 255, Duck().Top + 200); }
};

TEST_P(ShotsAtADuck, AHitScoresStopsItsFlightAndStartsItsFall) {
  EXPECT_EQ(t.ClickMiddleOf(Duck()), Picture());
  EXPECT_EQ(t.s().Score, Worth());
  EXPECT_TRUE(Down());
  EXPECT_EQ(Frame(), 8);
  EXPECT_EQ(Duck().frame, 8);
  EXPECT_EQ(Duck().Height, 465);  // the hit frame is the taller size
  EXPECT_EQ(t.s().DucksKilled, 1);
  EXPECT_FALSE(t.game.Enabled(Flight()));
  EXPECT_TRUE(t.game.Enabled(Fall()));
  EXPECT_EQ(t.caption(lblHS), Red() ? "HighScore: 700" : "HighScore: 500");
  EXPECT_EQ(t.caption(lblDK), "Ducks Killed: 1");
  EXPECT_EQ(t.caption(lblS), "Shot Used: 1");
  EXPECT_EQ(t.caption(lblsl), "Shots Left: 49");
  ExpectShotInvariants();
}

TEST_P(ShotsAtADuck, AClickOnAFallingDuckDoesNothingUnlessTheShotsAreGone) {
  t.ClickMiddleOf(Duck());
  const GameState before = t.s();
  t.ClickMiddleOf(Duck());
  EXPECT_EQ(t.s().Score, before.Score);
  EXPECT_EQ(t.s().ShotsUsed, before.ShotsUsed);
  EXPECT_EQ(t.s().DucksKilled, before.DucksKilled);
  EXPECT_FALSE(t.visible(lblMessage));
  // With no shot left the notice comes first, falling duck or not.
  t.s().ShotsLeft = 0;
  t.ClickMiddleOf(Duck());
  EXPECT_TRUE(t.visible(lblMessage));
  EXPECT_EQ(t.caption(lblMessage), "Out Of Ammo!!!");
}

TEST_P(ShotsAtADuck, ADoubleClickOnAFlyingDuckIsAHitAndAMiss) {
  DoubleClickDuck();
  EXPECT_EQ(t.s().DucksKilled, 1);
  EXPECT_EQ(t.s().ShotsMissed, 1);
  EXPECT_EQ(t.s().ShotsUsed, 2);
  EXPECT_EQ(t.s().Score, Worth());
  EXPECT_EQ(t.caption(lblS), "Shots Used: 2");  // the miss wrote last
  ExpectShotInvariants();
}

TEST_P(ShotsAtADuck, ADoubleClickOnAFallingDuckIsOneMiss) {
  t.ClickMiddleOf(Duck());
  DoubleClickDuck();
  EXPECT_EQ(t.s().DucksKilled, 1);
  EXPECT_EQ(t.s().ShotsMissed, 1);
  EXPECT_EQ(t.s().ShotsUsed, 2);
  EXPECT_EQ(t.s().Score, Worth());
}

TEST_P(ShotsAtADuck, TheLastShotCountsAndTheNextClickOnlyShowsTheNotice) {
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
  t.ClickMiddleOf(Duck());
  DoubleClickDuck();
  EXPECT_EQ(t.caption(lblMessage), "Out Of Ammo!!!");
  EXPECT_TRUE(t.visible(lblMessage));
  EXPECT_EQ(t.s().ShotsLeft, 0);
  EXPECT_EQ(t.s().ShotsUsed, before.ShotsUsed);
  EXPECT_EQ(t.s().Score, before.Score);
  EXPECT_FALSE(Down());
  EXPECT_TRUE(t.game.Enabled(Flight()));
}

INSTANTIATE_TEST_SUITE_P(BothColours, ShotsAtADuck,
                         ::testing::Values(DuckColour::Blue, DuckColour::Red),
                         [](const ::testing::TestParamInfo<DuckColour>& param) {
                           return param.param == DuckColour::Red ? "Red" : "Blue";
                         });

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

TEST_F(Shots, BothDucksFallAtOnceEachCountedOnce) {
  t.s().Score = 7500;
  FlyRedDuck();
  t.ClickMiddleOf(t.blue());
  EXPECT_EQ(t.ClickMiddleOf(t.red()), Control::imgRedD);
  EXPECT_EQ(t.caption(lblHS), "HighScore: 8700");
  EXPECT_EQ(t.caption(lblDK), "Ducks Killed: 2");
  EXPECT_TRUE(t.game.Enabled(timDead));
  EXPECT_TRUE(t.game.Enabled(timRdead));
  EXPECT_EQ(t.s().DuckFrame, 8);
  EXPECT_EQ(t.s().RedFrame, 8);
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
