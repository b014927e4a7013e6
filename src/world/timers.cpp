// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/timers.h"

namespace reedfall {

TimerSwitches::TimerSwitches() {
  for (const TimerSpec& spec : kTimerTable) {
    At(spec.id) = Timer{spec.enabledAtLoad, spec.intervalMs};
  }
}

void TimerSwitches::Enable(TimerId id) {
  Timer& timer = At(id);
  if (!timer.enabled) {
    timer.enabled = true;
    timer.nextDue = now_ + Spec(id).intervalMs;
  }
}

void TimerSwitches::Disable(TimerId id) { At(id).enabled = false; }

}  // namespace reedfall
