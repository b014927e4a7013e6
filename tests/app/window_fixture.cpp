// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include "app/look.h"

namespace reedfall::app::testing {

std::optional<QPoint> WindowFixture::ClickableBlueDuck() const {
  const frmMain& g = game();
  if (!g.Enabled(TimerId::timDuck) || g.world().state.DuckDown) {
    return std::nullopt;
  }
  const QPoint centre = PixelRect(g.world().controls.imgDuck).center();
  const auto taker = g.ControlAt(centre.x() * kTwipsPerPixel, centre.y() * kTwipsPerPixel);
  if (taker != Control::imgDuck) {
    return std::nullopt;
  }
  return centre;
}

std::optional<QPoint> WindowFixture::AwaitClickableBlueDuck(std::int64_t maxMs) {
  const std::int64_t until = clock.Now() + maxMs;
  while (clock.Now() <= until && !game().InputBlocked()) {
    if (const auto duck = ClickableBlueDuck()) {
      return duck;
    }
    if (!Step()) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool WindowFixture::ShootBlueDuck() {
  const auto duck = AwaitClickableBlueDuck();
  if (!duck) {
    return false;
  }
  ClickAt(*duck);
  return game().world().state.DuckDown;
}

}  // namespace reedfall::app::testing
