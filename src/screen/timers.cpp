// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/timers.h"

#include <cassert>

namespace reedfall {

namespace {

// First tick of a timer due at `due` every `interval` that is at or after `earliest`.
std::int64_t FirstDueAtOrAfter(std::int64_t due, std::int64_t interval, std::int64_t earliest) {
  if (due >= earliest) {
    return due;
  }
  const std::int64_t steps = (earliest - due + interval - 1) / interval;
  return due + steps * interval;
}

}  // namespace

TimerScheduler::TimerScheduler() {
  for (const TimerSpec& spec : kTimerTable) {
    At(spec.id) = Timer{spec.intervalMs, spec.enabledAtLoad, spec.intervalMs};
  }
}

void TimerScheduler::SetEnabled(TimerId id, bool enabled) {
  Timer& timer = At(id);
  if (enabled && !timer.enabled) {
    timer.nextDue = now_ + timer.interval;
  }
  timer.enabled = enabled;
}

bool TimerScheduler::Enabled(TimerId id) const { return At(id).enabled; }

void TimerScheduler::SkipQuietTicks(std::int64_t time, int order, const TimerSink& sink) {
  for (int i = 0; i < kTimerCount; ++i) {
    Timer& timer = timers_.at(static_cast<std::size_t>(i));
    if (!timer.enabled || sink.TickCanAct(static_cast<TimerId>(i))) {
      continue;
    }
    // A quiet timer later in the table still ticks at `time` itself, after the one that runs.
    const std::int64_t earliest = i > order ? time : time + 1;
    timer.nextDue = FirstDueAtOrAfter(timer.nextDue, timer.interval, earliest);
  }
}

void TimerScheduler::AdvanceTo(std::int64_t target, TimerSink& sink, Lateness lateness) {
  assert(target >= now_);
  for (;;) {
    int next = -1;
    for (int i = 0; i < kTimerCount; ++i) {
      const Timer& timer = timers_.at(static_cast<std::size_t>(i));
      if (!timer.enabled || timer.nextDue > target || !sink.TickCanAct(static_cast<TimerId>(i))) {
        continue;
      }
      if (next < 0 || timer.nextDue < timers_.at(static_cast<std::size_t>(next)).nextDue) {
        next = i;
      }
    }
    if (next < 0) {
      break;
    }
    Timer& timer = timers_.at(static_cast<std::size_t>(next));
    const std::int64_t due = timer.nextDue;
    SkipQuietTicks(due, next, sink);
    now_ = due;
    timer.nextDue = due + timer.interval;
    if (lateness == Lateness::DropMissed && timer.nextDue <= target) {
      timer.nextDue = FirstDueAtOrAfter(timer.nextDue, timer.interval, target + 1);
    }
    ++ticksRun_;
    sink.Tick(static_cast<TimerId>(next));
  }
  now_ = target;
  SkipQuietTicks(target, kTimerCount, sink);
}

std::optional<std::int64_t> TimerScheduler::NextWake(const TimerSink& sink) const {
  std::optional<std::int64_t> wake;
  for (int i = 0; i < kTimerCount; ++i) {
    const Timer& timer = timers_.at(static_cast<std::size_t>(i));
    if (timer.enabled && sink.TickCanAct(static_cast<TimerId>(i)) &&
        (!wake || timer.nextDue < *wake)) {
      wake = timer.nextDue;
    }
  }
  return wake;
}

}  // namespace reedfall
