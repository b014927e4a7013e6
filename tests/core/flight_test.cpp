// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Launches, the flight tick and the fall tick of both ducks.
#include "flight/flight.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "flight/fall.h"
#include "flight/launch.h"

namespace reedfall::testing {
namespace {

using enum TimerId;

struct LaunchCase {
  double dirDraw;
  double topDraw;
  double speedDraw;
  int dir;
  float top;
  float left;
  int speed;
  int frame;
};

void PrintTo(const LaunchCase& c, std::ostream* os) {
  *os << "draws " << c.dirDraw << " " << c.topDraw << " " << c.speedDraw;
}

class LaunchTable : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchTable, DrawsDirectionHeightAndSpeedInThatOrder) {
  const LaunchCase& c = GetParam();
  for (const bool blue : {true, false}) {
    TestGame t;
    t.Draws({c.dirDraw, c.topDraw, c.speedDraw});
    const Duck duck = blue ? BlueDuck(t.world()) : RedDuck(t.world());
    Launch(t.world(), duck);
    EXPECT_EQ(duck.dir, c.dir);
    EXPECT_EQ(t.s().LaunchTop, c.top);
    EXPECT_EQ(duck.picture.Top, c.top);
    EXPECT_EQ(duck.picture.Left, c.left);
    EXPECT_EQ(duck.speed, c.speed);
    EXPECT_EQ(duck.frame, c.frame);
    EXPECT_TRUE(t.game.Enabled(duck.flightTimer));
    EXPECT_EQ(t.host.draws, 3);
    EXPECT_EQ(t.host.reseeds, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Draws, LaunchTable,
    ::testing::Values(LaunchCase{0, 0, 0, 1, 2500, 7440, 1, 2},
                      LaunchCase{0.499999, 0.999755859375, 0.5, 1, 4999, 7440, 2, 4},
                      LaunchCase{0.5, 0.5, 0.25, 2, 3750, -600, 1, 3},
                      LaunchCase{0.999999, 0.0004, 0.999999, 2, 2501, -600, 2, 6}),
    [](const ::testing::TestParamInfo<LaunchCase>& param) {
      return "Dir" + std::to_string(param.param.dir) + "Top" +
             std::to_string(static_cast<int>(param.param.top)) + "Speed" +
             std::to_string(param.param.speed);
    });

TEST(Launch, AFallingDuckStopsFallingAndJumpsToItsLaunchPlace) {
  TestGame t;
  t.StartFromPrompt();
  t.PlaceBlueInOpenSky();
  t.ClickMiddleOf(t.blue());
  t.Wait(120);
  ASSERT_TRUE(t.game.Enabled(timDead));
  const int frameShown = t.blue().frame;
  t.Draws({0, 0, 0});
  LaunchDuck(t.world());
  EXPECT_FALSE(t.game.Enabled(timDead));
  EXPECT_FALSE(t.s().DuckDown);
  EXPECT_TRUE(t.game.Enabled(timDuck));
  EXPECT_EQ(t.blue().Left, 7440);
  EXPECT_EQ(t.blue().frame, frameShown);  // the picture waits for the first flight tick
}

TEST(Launch, BlueThenRedReseedTwiceAndLeaveTheRedHeight) {
  TestGame t;
  t.Draws({0, 0.2, 0, 0.9, 0.6, 0.9});
  LaunchDuck(t.world());
  LaunchRedDuck(t.world());
  EXPECT_EQ(t.host.reseeds, 2);
  EXPECT_EQ(t.host.draws, 6);
  EXPECT_EQ(t.blue().Top, 3000);
  EXPECT_EQ(t.red().Top, 4000);
  EXPECT_EQ(t.s().LaunchTop, 4000);
}

TEST(FlightStepTable, EachDuckMovesByTheStepOfItsColourClassAndDirection) {
  const struct {
    DuckColour colour;
    int speed;
    int dir;
    float top;
    float left;
  } steps[] = {
      {DuckColour::Blue, 1, 1, -75, -150},  {DuckColour::Blue, 1, 2, -75, 150},
      {DuckColour::Blue, 2, 1, -100, -250}, {DuckColour::Blue, 2, 2, -100, 250},
      {DuckColour::Red, 1, 1, -175, -250},  {DuckColour::Red, 1, 2, -175, 250},
      {DuckColour::Red, 2, 1, -200, -350},  {DuckColour::Red, 2, 2, -200, 350},
  };
  for (const auto& step : steps) {
    TestGame t;
    const Duck duck = step.colour == DuckColour::Blue ? BlueDuck(t.world()) : RedDuck(t.world());
    duck.dir = static_cast<Int16>(step.dir);
    duck.speed = static_cast<Int16>(step.speed);
    duck.frame = 0;
    duck.picture.Left = 3000;
    duck.picture.Top = 3000;
    FlightTick(t.world(), duck);
    EXPECT_EQ(duck.picture.Top, 3000 + step.top) << step.speed << "," << step.dir;
    EXPECT_EQ(duck.picture.Left, 3000 + step.left) << step.speed << "," << step.dir;
  }
  EXPECT_FALSE(FindFlightStep(DuckColour::Red, 3, 1).has_value());
}

struct FrameSequenceCase {
  double dirDraw;
  double speedDraw;
  std::vector<int> frames;
};

void PrintTo(const FrameSequenceCase& c, std::ostream* os) {
  *os << "draws " << c.dirDraw << " and " << c.speedDraw;
}

class FrameSequences : public ::testing::TestWithParam<FrameSequenceCase> {};

TEST_P(FrameSequences, FirstTickShowsTheFrameAfterTheLaunchValueThenAPairAlternates) {
  const FrameSequenceCase& c = GetParam();
  for (const bool blue : {true, false}) {
    TestGame t;
    t.Draws({c.dirDraw, 0.99, c.speedDraw});
    blue ? LaunchDuck(t.world()) : LaunchRedDuck(t.world());
    std::vector<int> shown;
    for (std::size_t i = 0; i < c.frames.size(); ++i) {
      t.Wait(60);
      shown.push_back((blue ? t.blue() : t.red()).frame);
    }
    EXPECT_EQ(shown, c.frames) << (blue ? "blue" : "red");
  }
}

INSTANTIATE_TEST_SUITE_P(ByClassAndDirection, FrameSequences,
                         ::testing::Values(FrameSequenceCase{0, 0, {3, 0, 1, 0, 1, 0}},
                                           FrameSequenceCase{0.5, 0, {4, 2, 3, 2, 3, 2}},
                                           FrameSequenceCase{0, 0.5, {5, 4, 5, 4, 5, 4}},
                                           FrameSequenceCase{0.5, 0.5, {7, 6, 7, 6, 7, 6}}),
                         [](const ::testing::TestParamInfo<FrameSequenceCase>& param) {
                           return std::string(param.param.speedDraw < 0.5 ? "Slow" : "Fast") +
                                  (param.param.dirDraw < 0.5 ? "Leftward" : "Rightward");
                         });

TEST(FlightTick, TheBlueDuckAlternatesBetweenItsTwoHeightsWhenFlyingFast) {
  TestGame t;
  t.Draws({0, 0.99, 0.5});
  LaunchDuck(t.world());
  std::vector<int> heights;
  for (int i = 0; i < 4; ++i) {
    t.Wait(60);
    heights.push_back(t.blue().Height);
  }
  EXPECT_EQ(heights, (std::vector<int>{465, 435, 465, 435}));
}

TEST(FlightTick, EscapeLineIsMinus250Inclusive) {
  for (const auto& [topBefore, escapes] : {std::pair{-175.0F, true}, std::pair{-174.0F, false}}) {
    TestGame t;
    t.PlaceBlueInOpenSky(3000, topBefore);
    t.Draws({0.5, 0, 0});
    FlightTick(t.world(), BlueDuck(t.world()));
    EXPECT_EQ(t.s().DucksMissed, escapes ? 1 : 0) << topBefore;
    // An escape relaunches the duck and does not move it again in the same tick.
    EXPECT_EQ(t.blue().Top, escapes ? 2500 : topBefore - 75);
    EXPECT_EQ(t.blue().Left, escapes ? -600 : 2850);
  }
}

TEST(FlightTick, SlowBlueDuckEscapesOnTheTickThatCrossesTheLine) {
  for (const auto& [topDraw, escapeTick] : {std::pair{0.0, 37}, std::pair{0.9998, 70}}) {
    TestGame t;
    t.Draws({0, topDraw, 0});
    LaunchDuck(t.world());
    t.Wait(60 * (escapeTick - 1));
    EXPECT_EQ(t.s().DucksMissed, 0);
    t.Draws({0, 0, 0});
    t.Wait(60);
    EXPECT_EQ(t.s().DucksMissed, 1) << "launched at " << 2500 + static_cast<int>(topDraw * 2500);
    EXPECT_EQ(t.w().label(LabelId::lbldm).Caption, "Ducks Missed: 1");
  }
}

TEST(FlightTick, FastRedDuckFromTheLeftIsNeverTurnedAtTheSide) {
  TestGame t;
  t.Draws({0.5, 0.99, 0.5});
  LaunchRedDuck(t.world());
  t.Wait(12 * 60);
  EXPECT_EQ(t.red().Left, 3600);
  EXPECT_EQ(t.red().Top, 4975 - 12 * 200);
}

TEST(FlightTick, EscapesOfBothDucksAddUp) {
  TestGame t;
  t.PlaceBlueInOpenSky(3000, -200);
  t.s().RedDir = 1;
  t.s().RedSpeed = 1;
  t.red().Top = -100;
  t.Enable(timRDuck);
  t.Wait(60);
  EXPECT_EQ(t.s().DucksMissed, 2);
  EXPECT_EQ(t.w().label(LabelId::lbldm).Caption, "Ducks Missed: 2");
}

TEST(FlightTick, WithNoStepForTheClassTheDuckStaysButTheEscapeTestRuns) {
  TestGame t;
  t.PlaceBlueInOpenSky(3000, 1000);
  t.s().DuckSpeed = 3;
  t.s().DuckFrame = 5;
  FlightTick(t.world(), BlueDuck(t.world()));
  EXPECT_EQ(t.blue().Top, 1000);
  EXPECT_EQ(t.s().DuckFrame, 5);
  EXPECT_EQ(t.blue().frame, 0);
  t.blue().Top = -250;
  t.Draws({0, 0, 0});
  FlightTick(t.world(), BlueDuck(t.world()));
  EXPECT_EQ(t.s().DucksMissed, 1);
}

// Hits the blue duck at the given height; the draws make its relaunch come in at 7440, 2500.
void HitBlueAt(TestGame& t, float top, float left = 3000) {
  t.StartFromPrompt();
  t.PlaceBlueInOpenSky(left, 1000);
  t.ClickMiddleOf(t.blue());
  t.blue().Top = top;
  t.Draws({0, 0, 0});
}

int TicksToLand(TestGame& t) {
  for (int tick = 1; tick < 100; ++tick) {
    t.Wait(60);
    if (!t.s().DuckDown) {
      return tick;
    }
  }
  return -1;
}

class Fall : public ::testing::Test {
 protected:
  void HitBlueAt(float top) { testing::HitBlueAt(t, top); }
  TestGame t;
};

TEST_F(Fall, ShowsNineTenNineAndKeepsLeft) {
  HitBlueAt(-200);
  std::vector<int> frames;
  for (int i = 0; i < 3; ++i) {
    t.Wait(60);
    frames.push_back(t.blue().frame);
    EXPECT_EQ(t.blue().Left, 3000);
  }
  EXPECT_EQ(frames, (std::vector<int>{9, 10, 9}));
  EXPECT_EQ(t.s().DuckFrame, 9);
}

TEST_F(Fall, LandsWhereTheDropReachesTheGround) {
  for (const auto& [top, ticks] : {std::pair{4730.0F, 1}, std::pair{4729.0F, 2},
                                   std::pair{-200.0F, 19}, std::pair{4455.0F, 2}}) {
    TestGame fresh;
    testing::HitBlueAt(fresh, top);
    EXPECT_EQ(TicksToLand(fresh), ticks) << "hit at " << top;
  }
}

TEST_F(Fall, TheLandingTickShowsAFallingFrameAndTheNewFlightKeepsIt) {
  HitBlueAt(4730);
  t.Wait(60);
  EXPECT_FALSE(t.s().DuckDown);
  EXPECT_EQ(t.blue().frame, 9);
  EXPECT_EQ(t.blue().Left, 7440);
  EXPECT_TRUE(t.game.Enabled(timDuck));
  EXPECT_FALSE(t.game.Enabled(timDead));
}

TEST_F(Fall, EveryBlueFallTickSwitchesTheCountdownOnButARedFallNever) {
  HitBlueAt(4730);
  t.Disable(timleft);
  t.Wait(60);  // the landing tick included
  EXPECT_TRUE(t.game.Enabled(timleft));

  t.Disable(timleft);
  t.s().RedDir = 2;
  t.s().RedSpeed = 1;
  t.red().Left = 1000;
  t.red().Top = 1000;
  t.Enable(timRDuck);
  t.ClickMiddleOf(t.red());
  ASSERT_TRUE(t.game.Enabled(timRdead));
  t.Wait(60 * 20);
  EXPECT_FALSE(t.game.Enabled(timleft));
  EXPECT_FALSE(t.s().RedDown);  // landed and relaunched
}

}  // namespace
}  // namespace reedfall::testing
