// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clock.h"

#include <algorithm>
#include <limits>

namespace reedfall::app {

SteadyClock::SteadyClock(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  // A coarse timer may fire up to 5 % late; the ducks move every 60 ms and would stutter.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    armedFor_.reset();
    Wake();
  });
  elapsed_.start();
}

void SteadyClock::WakeAt(std::optional<std::int64_t> ms) {
  if (ms == armedFor_ && (!ms || timer_.isActive())) {
    return;  // already armed for that moment: no need to touch the timer
  }
  armedFor_ = ms;
  if (!ms) {
    timer_.stop();
    return;
  }
  const std::int64_t delay =
      std::clamp<std::int64_t>(*ms - Now(), 0, std::numeric_limits<int>::max());
  timer_.start(static_cast<int>(delay));
}

}  // namespace reedfall::app
