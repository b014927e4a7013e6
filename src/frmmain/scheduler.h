// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the six timers' ticks on the game's millisecond clock, in time order, ties in the order
// of the timer table. A timer whose tick could do nothing at the moment (the sink says so) is
// skipped in bulk instead of being woken once per interval; since such a tick would change
// nothing, the game cannot tell the difference.
#pragma once

#include <cstdint>
#include <optional>

#include "world/timers.h"

namespace reedfall {

class TimerSink {
 public:
  virtual ~TimerSink() = default;
  virtual void Tick(TimerId id) = 0;
  // False when a tick of `id` would do nothing now; such ticks may be skipped.
  [[nodiscard]] virtual bool TickCanAct(TimerId id) const = 0;

 protected:
  TimerSink() = default;
  TimerSink(const TimerSink&) = default;
  TimerSink(TimerSink&&) = default;
  TimerSink& operator=(const TimerSink&) = default;
  TimerSink& operator=(TimerSink&&) = default;
};

// How to treat ticks that fell more than an interval behind the clock. The virtual clock
// never falls behind; a host driven by real time may, and then a timer ticks once for the
// intervals it missed instead of catching up in a burst.
enum class Lateness : std::uint8_t { RunEveryTick, DropMissed };

class TimerScheduler {
 public:
  explicit TimerScheduler(TimerSwitches& timers) : timers_(timers) {}

  // Runs every tick due up to and including `target` (>= the clock), then sets the clock to it.
  void AdvanceTo(std::int64_t target, TimerSink& sink, Lateness lateness = Lateness::RunEveryTick);

  // The time of the next tick that could do something, or none while nothing is due to act.
  [[nodiscard]] std::optional<std::int64_t> NextWake(const TimerSink& sink) const;

  // Ticks run since start, for benchmarks and the window's own accounting.
  [[nodiscard]] std::uint64_t TicksRun() const { return ticksRun_; }
  // Intervals that a late advance let pass without their ticks (Lateness::DropMissed).
  [[nodiscard]] std::uint64_t TicksDropped() const { return ticksDropped_; }

 private:
  // Moves the quiet timers past the ticks that would come before (time, order).
  void SkipQuietTicks(std::int64_t time, int order, const TimerSink& sink);

  TimerSwitches& timers_;
  std::uint64_t ticksRun_ = 0;
  std::uint64_t ticksDropped_ = 0;
};

}  // namespace reedfall
