// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which control takes a click: the topmost whose whole rectangle holds the point, hidden ones
// and points outside the client area excepted.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "fake_platform.h"

namespace reedfall::testing {
namespace {

struct RouteCase {
  const char* what;
  double x;
  double y;
  std::optional<Control> control;
};

void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.x << "," << c.y; }

class ClickRouting : public ::testing::TestWithParam<RouteCase> {
 protected:
  // The prompt hidden, the blue duck half over the right-hand tree, the red one over the grass.
  ClickRouting() {
    t.game.MenuNewGame();
    t.blue().Left = 6000;
    t.blue().Top = 3000;
    t.red().Left = 3000;
    t.red().Top = 4300;
  }
  TestGame t;
};

TEST_P(ClickRouting, GoesToTheTopmostControlAtThePoint) {
  const RouteCase& c = GetParam();
  EXPECT_EQ(t.game.ControlAt(c.x, c.y), c.control) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Field, ClickRouting,
    ::testing::Values(RouteCase{"sky", 10, 10, Control::imgback},
                      RouteCase{"sky where the hidden prompt lies", 3650, 2000, Control::imgback},
                      RouteCase{"scenery", 3000, 3200, Control::imgTop},
                      RouteCase{"left tree", 1019, 3120, Control::Image1_0},
                      RouteCase{"just right of the left tree", 1020, 3120, Control::imgTop},
                      RouteCase{"right tree", 6240, 3120, Control::Image1_1},
                      RouteCase{"grass band", 2000, 4440, Control::Image1_2},
                      RouteCase{"bottom row of the field", 3000, 5579, Control::imgTop},
                      RouteCase{"bottom row under the left tree", 100, 5579, Control::Image1_0},
                      RouteCase{"black band below the field", 100, 5580, std::nullopt},
                      RouteCase{"status area", 200, 6100, std::nullopt},
                      RouteCase{"blue duck over the sky", 6100, 3050, Control::imgDuck},
                      RouteCase{"blue duck over the right tree's rectangle", 6300, 3200,
                                Control::Image1_1},
                      RouteCase{"blue duck's last column", 6509, 3050, Control::imgDuck},
                      RouteCase{"just past the blue duck", 6510, 3050, Control::imgback},
                      RouteCase{"red duck over the grass band", 3100, 4500, Control::imgRedD},
                      RouteCase{"red duck's bottom row", 3100, 4764, Control::imgRedD},
                      RouteCase{"left of the client area", -1, 100, std::nullopt},
                      RouteCase{"right of the client area, where the pictures still reach", 7305,
                                100, std::nullopt},
                      RouteCase{"below the client area", 100, 7140, std::nullopt}),
    [](const ::testing::TestParamInfo<RouteCase>& param) {
      std::string name;
      bool upper = true;
      for (const char c : std::string(param.param.what)) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
          name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
          upper = false;
        } else {
          upper = true;
        }
      }
      return name;
    });

TEST(ClickRoutingPrompt, TheVisiblePromptTakesClicksButNotOverADuck) {
  TestGame t;
  EXPECT_EQ(t.game.ControlAt(3650, 1800), Control::lblMessage);
  EXPECT_EQ(t.game.ControlAt(3650, 2414), Control::lblMessage);
  EXPECT_EQ(t.game.ControlAt(3650, 2415), Control::imgback);
  t.blue().Left = 3500;
  t.blue().Top = 1900;
  EXPECT_EQ(t.game.ControlAt(3650, 2000), Control::imgDuck);
}

TEST(ClickRoutingPrompt, TheDoubleClicksSecondPressOnThePromptDoesNothing) {
  TestGame t;
  t.game.DblClick(3650, 2000);
  EXPECT_TRUE(t.game.world().GameStarted);
  EXPECT_EQ(t.s().ShotsUsed, 0);
}

TEST(ClickRoutingCoverage, EveryPointOfTheFieldRunsExactlyOneHandler) {
  // Each point above the status area lies in some picture; below it, none.
  TestGame t;
  t.game.MenuNewGame();
  for (int y = 0; y < kClientHeight; y += 15) {
    for (int x = 0; x < kClientWidth; x += 15) {
      const bool inField = y < 5580;
      EXPECT_EQ(t.game.ControlAt(x, y).has_value(), inField) << x << "," << y;
    }
  }
}

TEST(ClickRoutingParkedRedDuck, IsNeitherSeenNorClickable) {
  TestGame t;
  t.game.MenuNewGame();
  for (int y = 0; y < kClientHeight; y += 5) {
    ASSERT_NE(t.game.ControlAt(kClientWidth - 1, y), Control::imgRedD);
  }
}

}  // namespace
}  // namespace reedfall::testing
