// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A real window over a game whose clock the test moves: time passes only when the test says,
// and the wake-ups the host asks for fire exactly when they fall due, as a punctual timer's
// would. No test waits for real time.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QMenuBar>
#include <QPoint>
#include <QRect>
#include <QTest>
#include <QWindow>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "app/client_area.h"
#include "app/clock.h"
#include "app/game_host.h"
#include "app/main_window.h"
#include "world/random.h"

namespace reedfall::app::testing {

class ManualClock final : public GameClock {
 public:
  [[nodiscard]] std::int64_t Now() const override { return now_; }
  void WakeAt(std::optional<std::int64_t> ms) override { armed_ = ms; }

  [[nodiscard]] std::optional<std::int64_t> Armed() const { return armed_; }
  [[nodiscard]] int Wakes() const { return wakes_; }

  // Lets `ms` pass, waking the host at every wake-up it arms on the way.
  void RunFor(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    int wakesNow = 0;
    std::int64_t lastWake = -1;
    while (armed_ && *armed_ <= end) {
      const std::int64_t at = std::max(now_, *armed_);
      wakesNow = at == lastWake ? wakesNow + 1 : 0;
      if (wakesNow > 100) {
        throw std::logic_error("the host keeps asking to be woken at the same moment");
      }
      lastWake = at;
      now_ = at;
      armed_.reset();
      ++wakes_;
      Wake();
    }
    now_ = end;
  }

  // Time passes without a wake-up, as while a busy desktop or a suspended machine keeps the
  // program from running.
  void Stall(std::int64_t ms) { now_ += ms; }

  // Runs up to and through the next wake-up; false if none is armed.
  bool Step() {
    if (!armed_) {
      return false;
    }
    RunFor(std::max<std::int64_t>(*armed_ - now_, 0));
    return true;
  }

 private:
  std::int64_t now_ = 0;
  std::optional<std::int64_t> armed_;
  int wakes_ = 0;
};

// The same ducks on every run.
class SeededRandom final : public RandomSource {
 public:
  void Randomize() override {}
  double Next() override { return generator_.NextUnit(); }

 private:
  Pcg32 generator_{20240607};
};

struct WindowFixture {
  ManualClock clock;
  SeededRandom random;
  LiveGame live{&random};
  GameHost host{clock, live};
  MainWindow window{host};

  WindowFixture() {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
      throw std::runtime_error("the window was not exposed");
    }
  }

  [[nodiscard]] const frmMain& game() const { return host.game(); }
  [[nodiscard]] ClientArea& client() const { return *window.client(); }

  // A point of the client area, in the coordinates of the window's QWindow.
  [[nodiscard]] QPoint InWindow(QPoint clientPx) const {
    return window.client()->mapTo(&window, clientPx);
  }

  // A real mouse's click: through the window system, where a modal box can stop it.
  void ClickAt(QPoint clientPx) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, InWindow(clientPx));
  }
  void DoubleClickAt(QPoint clientPx) {
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, InWindow(clientPx));
  }

  // Lets time pass and paints what it changed.
  void Run(std::int64_t ms) {
    clock.RunFor(ms);
    QCoreApplication::processEvents();
  }
  bool Step() {
    const bool stepped = clock.Step();
    QCoreApplication::processEvents();
    return stepped;
  }

  // The middle of the blue duck as painted, if a click there would reach it and it flies.
  [[nodiscard]] std::optional<QPoint> ClickableBlueDuck() const;
  // Lets the game run until the flying blue duck can be clicked; none within `maxMs`.
  std::optional<QPoint> AwaitClickableBlueDuck(std::int64_t maxMs = 20000);
  // Waits for the blue duck and shoots it; false if it never came within reach.
  bool ShootBlueDuck();
  // Lets the game run until the whole blue duck flies in open sky, in front of nothing but
  // the sky; its rectangle in pixels, or none within 2000 steps.
  std::optional<QRect> AwaitBlueDuckInOpenSky();

  // Starts a game and plays `steps` wake-ups of flights, hits, falls, relaunches, misses and
  // label changes, each painted only where it changed. Then compares the window as the screen
  // shows it with a new window painted whole: the first pixel that differs, if any.
  std::optional<QPoint> StalePixelAfterPlay(int steps);

  [[nodiscard]] QImage GrabClient() const {
    return window.client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
};

}  // namespace reedfall::app::testing
