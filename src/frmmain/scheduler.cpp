// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmain/scheduler.h"

#include <cassert>

namespace reedfall {

namespace {

// First tick of a timer due at `due` every `interval` that is at or after `earliest`.
std::int64_t FirstDueAtOrAfter(std::int64_t due, std::int64_t interval, std::int64_t earliest) {
  if (due >= earliest) {
    return due;
  }
  const std::int64_t steps = (earliest - due + interval - 1) / interval;
  return due + (steps * interval);
}

TimerId IdAt(int order) { return static_cast<TimerId>(order); }

}  // namespace

void TimerScheduler::SkipQuietTicks(std::int64_t time, int order, const TimerSink& sink) {
  for (int i = 0; i < kTimerCount; ++i) {
    const TimerId id = IdAt(i);
    const std::optional<std::int64_t> due = timers_.NextDue(id);
    if (!due || sink.TickCanAct(id)) {
      continue;
    }
    // A quiet timer later in the table still ticks at `time` itself, after the one that runs.
    const std::int64_t earliest = i > order ? time : time + 1;
    timers_.SetNextDue(id, FirstDueAtOrAfter(*due, Spec(id).intervalMs, earliest));
  }
}

void TimerScheduler::AdvanceTo(std::int64_t target, TimerSink& sink, Lateness lateness) {
  assert(target >= timers_.Now());
  for (;;) {
    int next = -1;
    std::int64_t nextDue = 0;
    for (int i = 0; i < kTimerCount; ++i) {
      const std::optional<std::int64_t> due = timers_.NextDue(IdAt(i));
      if (!due || *due > target || !sink.TickCanAct(IdAt(i))) {
        continue;
      }
      if (next < 0 || *due < nextDue) {
        next = i;
        nextDue = *due;
      }
    }
    if (next < 0) {
      break;
    }
    const TimerId id = IdAt(next);
    const std::int64_t interval = Spec(id).intervalMs;
    SkipQuietTicks(nextDue, next, sink);
    timers_.SetNow(nextDue);
    std::int64_t following = nextDue + interval;
    if (lateness == Lateness::DropMissed && following <= target) {
      const std::int64_t aligned = FirstDueAtOrAfter(following, interval, target + 1);
      ticksDropped_ += static_cast<std::uint64_t>((aligned - following) / interval);
      following = aligned;
    }
    timers_.SetNextDue(id, following);
    ++ticksRun_;
    sink.Tick(id);
  }
  timers_.SetNow(target);
  SkipQuietTicks(target, kTimerCount, sink);
}

std::optional<std::int64_t> TimerScheduler::NextWake(const TimerSink& sink) const {
  std::optional<std::int64_t> wake;
  for (int i = 0; i < kTimerCount; ++i) {
    const std::optional<std::int64_t> due = timers_.NextDue(IdAt(i));
    if (due && sink.TickCanAct(IdAt(i)) && (!wake || *due < *wake)) {
      wake = due;
    }
  }
  return wake;
}

}  // namespace reedfall
