// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window for accessibility_test.py, started as the game starts: the same ducks on
// every run, and a clock that keeps real time until the line "hurry" comes on standard input,
// then runs twenty times as fast, so that the test can let a round's 72 seconds run out in a
// few. The end of standard input ends the program, so that it never outlives its test.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "app/main_window.h"
#include "app/startup.h"
#include "window_fixture.h"

namespace {

using reedfall::app::GameClock;

class HurryingClock final : public QObject, public GameClock {
 public:
  HurryingClock() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
      armed_.reset();
      Wake();
    });
    real_.start();
  }

  [[nodiscard]] std::int64_t Now() const override {
    return base_ + (real_.elapsed() - since_) * speed_;
  }
  void WakeAt(std::optional<std::int64_t> ms) override {
    armed_ = ms;
    Arm();
  }

  void Hurry() {
    base_ = Now();
    since_ = real_.elapsed();
    speed_ = kHurried;
    Arm();
  }

 private:
  static constexpr std::int64_t kHurried = 20;

  void Arm() {
    if (!armed_) {
      timer_.stop();
      return;
    }
    // Rounded up: a wake-up never comes before its time.
    const std::int64_t delay = (*armed_ - Now() + speed_ - 1) / speed_;
    timer_.start(
        static_cast<int>(std::clamp<std::int64_t>(delay, 0, std::numeric_limits<int>::max())));
  }

  QElapsedTimer real_;
  QTimer timer_;
  std::optional<std::int64_t> armed_;
  std::int64_t base_ = 0;
  std::int64_t since_ = 0;
  std::int64_t speed_ = 1;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace reedfall::app;
  const Startup startup(argc, argv);
  HurryingClock clock;
  testing::SeededRandom random;
  reedfall::LiveGame live(&random);
  GameHost host(clock, live);
  MainWindow window(host);
  QObject::connect(&host, &GameHost::ended, qApp, &QCoreApplication::quit);

  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    std::array<char, 256> line{};
    const ssize_t got = read(STDIN_FILENO, line.data(), line.size());
    if (got <= 0) {
      input.setEnabled(false);
      QCoreApplication::quit();
    } else if (std::string_view(line.data(), static_cast<std::size_t>(got)).find("hurry") !=
               std::string_view::npos) {
      clock.Hurry();
    }
  });

  window.show();
  return QApplication::exec();
}
