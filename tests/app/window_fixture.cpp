// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include <QBackingStore>

#include "app/pixel_rect.h"

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

std::optional<QRect> WindowFixture::AwaitBlueDuckInOpenSky() {
  const QRect openSky(0, 0, kClientWidthPx, 200);
  for (int step = 0; step < 2000; ++step) {
    const QRect duck = PixelRect(game().world().controls.imgDuck);
    if (game().Enabled(TimerId::timDuck) && openSky.contains(duck)) {
      return duck;
    }
    if (!Step()) {
      break;
    }
  }
  return std::nullopt;
}

std::optional<QPoint> WindowFixture::StalePixelAfterPlay(int steps) {
  window.newGameAction()->trigger();
  for (int step = 0; step < steps && Step(); ++step) {
    if (step % 20 == 10) {
      if (const auto duck = ClickableBlueDuck()) {
        ClickAt(*duck);
      } else {
        ClickAt({240, 40});
      }
    }
  }
  QCoreApplication::processEvents();
  // What the window system was last given to show, after all the pieces painted on the way: the
  // backing store's image, in device pixels. (The offscreen platform's grab of the window would
  // serve at a scale of 1 only: it cuts its answer to the window's size in logical pixels.)...
  QPaintDevice* store = window.backingStore()->paintDevice();
  if (store == nullptr || store->devType() != QInternal::Image) {
    return QPoint(-1, -1);
  }
  const QImage painted = static_cast<QImage*>(store)->convertToFormat(QImage::Format_RGB32);
  // ...against a window that never painted piece by piece: a new one, painted whole from what
  // the game holds now. The window's own grab would repaint it from the window's idea of what
  // it shows, and that idea can be as stale as its pixels.
  MainWindow fresh{host};
  fresh.show();
  if (!QTest::qWaitForWindowExposed(&fresh)) {
    return QPoint(-1, -1);
  }
  const QImage full = fresh.grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < full.height(); ++y) {
    for (int x = 0; x < full.width(); ++x) {
      if (painted.size() != full.size() || painted.pixel(x, y) != full.pixel(x, y)) {
        return QPoint(x, y);
      }
    }
  }
  return std::nullopt;
}

}  // namespace reedfall::app::testing
