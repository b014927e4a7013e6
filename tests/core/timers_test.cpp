// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The timer rules the game depends on: first tick one interval after switching on, a running
// timer left undisturbed by another switch-on, ties in table order, and idle poll ticks
// skipped without changing what happens.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "frmmain/scheduler.h"

namespace reedfall {
namespace {

// The switches and the scheduler together, as the main window holds them.
struct Timers {
  TimerSwitches switches;
  TimerScheduler scheduler{switches};

  void SetEnabled(TimerId id, bool on) { on ? switches.Enable(id) : switches.Disable(id); }
  [[nodiscard]] bool Enabled(TimerId id) const { return switches.Enabled(id); }
  [[nodiscard]] std::int64_t Now() const { return switches.Now(); }
  void AdvanceTo(std::int64_t target, TimerSink& sink, Lateness late = Lateness::RunEveryTick) {
    scheduler.AdvanceTo(target, sink, late);
  }
  [[nodiscard]] std::optional<std::int64_t> NextWake(const TimerSink& sink) const {
    return scheduler.NextWake(sink);
  }
};

struct Recorder final : TimerSink {
  std::vector<std::pair<std::int64_t, TimerId>> ticks;
  const Timers* clock = nullptr;
  std::function<void(TimerId)> onTick;
  std::function<bool(TimerId)> canAct = [](TimerId) { return true; };

  void Tick(TimerId id) override {
    ticks.emplace_back(clock->Now(), id);
    if (onTick) {
      onTick(id);
    }
  }
  [[nodiscard]] bool TickCanAct(TimerId id) const override { return canAct(id); }
};

class SchedulerTest : public ::testing::Test {
 protected:
  SchedulerTest() {
    recorder.clock = &timers;
    // Most cases watch the game timers alone; the poll is switched off unless a case wants it.
    timers.SetEnabled(TimerId::timWinLose, false);
  }
  std::vector<std::int64_t> TimesOf(TimerId id) const {
    std::vector<std::int64_t> times;
    for (const auto& [t, tid] : recorder.ticks) {
      if (tid == id) {
        times.push_back(t);
      }
    }
    return times;
  }

  Timers timers;
  Recorder recorder;
};

TEST_F(SchedulerTest, OnlyThePollRunsAtLoad) {
  Timers fresh;
  for (const TimerSpec& spec : kTimerTable) {
    EXPECT_EQ(fresh.Enabled(spec.id), spec.id == TimerId::timWinLose) << spec.name;
  }
}

TEST_F(SchedulerTest, FirstTickComesOneIntervalAfterSwitchingOn) {
  timers.AdvanceTo(25, recorder);
  timers.SetEnabled(TimerId::timDuck, true);
  timers.AdvanceTo(205, recorder);
  EXPECT_EQ(TimesOf(TimerId::timDuck), (std::vector<std::int64_t>{85, 145, 205}));
}

TEST_F(SchedulerTest, SwitchingOnARunningTimerLeavesItsIntervalAlone) {
  timers.SetEnabled(TimerId::timleft, true);
  // A falling duck switches the countdown on every 60 ms; it must keep counting every 600.
  recorder.onTick = [this](TimerId id) {
    if (id == TimerId::timDead) {
      timers.SetEnabled(TimerId::timleft, true);
    }
  };
  timers.SetEnabled(TimerId::timDead, true);
  timers.AdvanceTo(1800, recorder);
  EXPECT_EQ(TimesOf(TimerId::timleft), (std::vector<std::int64_t>{600, 1200, 1800}));
}

TEST_F(SchedulerTest, SwitchingOffStopsAndSwitchingOnAgainRestartsTheInterval) {
  timers.SetEnabled(TimerId::timDuck, true);
  timers.AdvanceTo(100, recorder);
  timers.SetEnabled(TimerId::timDuck, false);
  timers.AdvanceTo(500, recorder);
  timers.SetEnabled(TimerId::timDuck, true);
  timers.AdvanceTo(620, recorder);
  EXPECT_EQ(TimesOf(TimerId::timDuck), (std::vector<std::int64_t>{60, 560, 620}));
}

TEST_F(SchedulerTest, TicksDueTogetherRunInTableOrder) {
  timers.SetEnabled(TimerId::timWinLose, true);
  for (const TimerId id : {TimerId::timleft, TimerId::timRdead, TimerId::timDead, TimerId::timRDuck,
                           TimerId::timDuck}) {
    timers.SetEnabled(id, true);
  }
  timers.AdvanceTo(600, recorder);
  std::vector<TimerId> at600;
  for (const auto& [t, id] : recorder.ticks) {
    if (t == 600) {
      at600.push_back(id);
    }
  }
  EXPECT_EQ(at600,
            (std::vector<TimerId>{TimerId::timDuck, TimerId::timRDuck, TimerId::timDead,
                                  TimerId::timRdead, TimerId::timleft, TimerId::timWinLose}));
}

TEST_F(SchedulerTest, ATickThatSwitchesOffALaterTimerDueAtTheSameTimeStopsIt) {
  timers.SetEnabled(TimerId::timDuck, true);
  timers.SetEnabled(TimerId::timDead, true);
  recorder.onTick = [this](TimerId id) {
    if (id == TimerId::timDuck) {
      timers.SetEnabled(TimerId::timDead, false);
    }
  };
  timers.AdvanceTo(60, recorder);
  EXPECT_TRUE(TimesOf(TimerId::timDead).empty());
}

TEST_F(SchedulerTest, QuietPollIsSkippedButTicksAtTheMillisecondItCanAct) {
  // The poll wakes only once the countdown (every 600 ms here) has reached its third tick.
  int countdown = 3;
  timers.SetEnabled(TimerId::timWinLose, true);
  timers.SetEnabled(TimerId::timleft, true);
  recorder.canAct = [&](TimerId id) { return id != TimerId::timWinLose || countdown <= 0; };
  recorder.onTick = [&](TimerId id) {
    if (id == TimerId::timleft) {
      --countdown;
    } else if (id == TimerId::timWinLose) {
      countdown = 3;  // a round end puts the clock back
    }
  };
  EXPECT_EQ(timers.NextWake(recorder), 600);
  timers.AdvanceTo(4000, recorder);
  EXPECT_EQ(TimesOf(TimerId::timWinLose), (std::vector<std::int64_t>{1800, 3600}));
  EXPECT_EQ(recorder.ticks.size(), 6U + 2U);
}

TEST_F(SchedulerTest, SkippingQuietTicksMatchesRunningEveryOne) {
  // The same game-like schedule, once with the poll woken every millisecond and once with it
  // skipped while quiet, must give the same ticks that do something, at the same times.
  auto run = [](bool skipQuiet) {
    Timers clock;
    Recorder sink;
    sink.clock = &clock;
    int counter = 5;
    std::vector<std::pair<std::int64_t, TimerId>> acted;
    sink.canAct = [&](TimerId id) {
      return !skipQuiet || id != TimerId::timWinLose || counter <= 0;
    };
    sink.onTick = [&](TimerId id) {
      if (id == TimerId::timWinLose) {
        if (counter > 0) {
          return;  // a quiet poll: compares and does nothing
        }
        counter = 5;
        clock.SetEnabled(TimerId::timDuck, !clock.Enabled(TimerId::timDuck));
      } else if (id == TimerId::timleft) {
        --counter;
      } else if (id == TimerId::timDuck) {
        clock.SetEnabled(TimerId::timleft, true);
      }
      acted.emplace_back(clock.Now(), id);
    };
    clock.SetEnabled(TimerId::timDuck, true);
    for (std::int64_t t = 7; t < 20000; t += 37) {
      clock.AdvanceTo(t, sink);
    }
    return std::pair{acted, sink.ticks.size()};
  };
  const auto [everyTick, everyCount] = run(false);
  const auto [skipped, skippedCount] = run(true);
  EXPECT_EQ(everyTick, skipped);
  EXPECT_GT(everyTick.size(), 100U);
  EXPECT_GT(everyCount, 19000U);            // the poll really ran every millisecond there
  EXPECT_EQ(skippedCount, skipped.size());  // no tick was woken for nothing
}

TEST_F(SchedulerTest, RealTimeHostDropsMissedTicksInsteadOfCatchingUp) {
  timers.SetEnabled(TimerId::timDuck, true);
  timers.AdvanceTo(300, recorder, Lateness::DropMissed);
  EXPECT_EQ(TimesOf(TimerId::timDuck), (std::vector<std::int64_t>{60}));
  timers.AdvanceTo(400, recorder, Lateness::DropMissed);
  EXPECT_EQ(TimesOf(TimerId::timDuck), (std::vector<std::int64_t>{60, 360}));
}

TEST_F(SchedulerTest, NothingToWakeForWhileEveryTimerIsOffOrQuiet) {
  recorder.canAct = [](TimerId id) { return id != TimerId::timWinLose; };
  timers.SetEnabled(TimerId::timWinLose, true);
  EXPECT_FALSE(timers.NextWake(recorder).has_value());
  timers.SetEnabled(TimerId::timRDuck, true);
  EXPECT_EQ(timers.NextWake(recorder), 60);
}

}  // namespace
}  // namespace reedfall
