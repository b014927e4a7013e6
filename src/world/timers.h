// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's six interval timers as the routines see them: switches, each with the moment of
// its next tick on the game's millisecond clock.
//
// Switching on a stopped timer makes its first tick one interval after the clock's present
// time; switching on a running timer leaves its interval in progress alone; switching off stops
// it. The clock itself is moved by the main window's scheduler, which alone runs the ticks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace reedfall {

// In the fixed order in which ticks due at the same millisecond run.
enum class TimerId : std::uint8_t { timDuck, timRDuck, timDead, timRdead, timleft, timWinLose };

inline constexpr int kTimerCount = 6;

// One row per timer: its name and interval, and whether it runs when the window opens. frmMain
// wires each timer's tick handler beside it (frmmain/wiring.h).
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

class TimerSwitches {
 public:
  // As the window is loaded: only the round-end poll runs.
  TimerSwitches();

  void Enable(TimerId id);
  void Disable(TimerId id);
  [[nodiscard]] bool Enabled(TimerId id) const { return At(id).enabled; }

  // The game's clock, in milliseconds since the window was loaded.
  [[nodiscard]] std::int64_t Now() const { return now_; }
  // When `id` ticks next; none while it is off.
  [[nodiscard]] std::optional<std::int64_t> NextDue(TimerId id) const {
    return At(id).enabled ? std::optional(At(id).nextDue) : std::nullopt;
  }

  // The scheduler's hands: it sets the clock as it runs the ticks, and each timer's next tick
  // after it has run (or skipped) one. Nothing else moves them.
  void SetNow(std::int64_t ms) { now_ = ms; }
  void SetNextDue(TimerId id, std::int64_t ms) { At(id).nextDue = ms; }

 private:
  struct Timer {
    bool enabled = false;
    std::int64_t nextDue = 0;
  };

  Timer& At(TimerId id) { return timers_.at(static_cast<std::size_t>(id)); }
  [[nodiscard]] const Timer& At(TimerId id) const {
    return timers_.at(static_cast<std::size_t>(id));
  }

  std::array<Timer, kTimerCount> timers_{};
  std::int64_t now_ = 0;
};

}  // namespace reedfall
