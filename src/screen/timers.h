// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's six interval timers on one millisecond clock.
//
// Switching on a stopped timer makes its first tick one interval later; switching on a running
// timer leaves its interval in progress alone; switching off stops it. Ticks run in time order,
// ties in the order of the timer table. A timer whose tick could do nothing at the moment (the
// sink says so) is skipped in bulk instead of being woken once per interval; since such a tick
// would change nothing, the game cannot tell the difference.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace reedfall {

// In the fixed order in which ticks due at the same millisecond run.
enum class TimerId : std::uint8_t { timDuck, timRDuck, timDead, timRdead, timleft, timWinLose };

inline constexpr int kTimerCount = 6;

struct TimerSpec {
  TimerId id;
  std::string_view name;
  std::int64_t intervalMs;
  bool enabledAtLoad;
};

inline constexpr std::array<TimerSpec, kTimerCount> kTimerTable{{
    {TimerId::timDuck, "timDuck", 60, false},
    {TimerId::timRDuck, "timRDuck", 60, false},
    {TimerId::timDead, "timDead", 60, false},
    {TimerId::timRdead, "timRdead", 60, false},
    {TimerId::timleft, "timleft", 600, false},
    {TimerId::timWinLose, "timWinLose", 1, true},
}};

constexpr const TimerSpec& Spec(TimerId id) { return kTimerTable.at(static_cast<std::size_t>(id)); }

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
enum class Lateness { RunEveryTick, DropMissed };

class TimerScheduler {
 public:
  TimerScheduler();

  void SetEnabled(TimerId id, bool enabled);
  [[nodiscard]] bool Enabled(TimerId id) const;
  [[nodiscard]] std::int64_t Now() const { return now_; }
  // When `id` ticks next; none while it is off.
  [[nodiscard]] std::optional<std::int64_t> NextDue(TimerId id) const {
    return At(id).enabled ? std::optional(At(id).nextDue) : std::nullopt;
  }
  // Ticks run since start, for benchmarks and the window's own accounting.
  [[nodiscard]] std::uint64_t TicksRun() const { return ticksRun_; }

  // Runs every tick due up to and including `target` (>= Now()), then sets the clock to it.
  void AdvanceTo(std::int64_t target, TimerSink& sink, Lateness lateness = Lateness::RunEveryTick);

  // The time of the next tick that could do something, or none while nothing is due to act.
  [[nodiscard]] std::optional<std::int64_t> NextWake(const TimerSink& sink) const;

 private:
  struct Timer {
    std::int64_t interval;
    bool enabled;
    std::int64_t nextDue;
  };

  Timer& At(TimerId id) { return timers_.at(static_cast<std::size_t>(id)); }
  [[nodiscard]] const Timer& At(TimerId id) const {
    return timers_.at(static_cast<std::size_t>(id));
  }
  // Moves the quiet timers past the ticks that would come before (time, order).
  void SkipQuietTicks(std::int64_t time, int order, const TimerSink& sink);

  std::array<Timer, kTimerCount> timers_{};
  std::int64_t now_ = 0;
  std::uint64_t ticksRun_ = 0;
};

}  // namespace reedfall
