// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_platform.h"

namespace reedfall::sim {

double ScriptedRandom::Next() {
  if (queued_.empty()) {
    return generator_.NextUnit();
  }
  const double r = queued_.front();
  queued_.pop_front();
  return r;
}

}  // namespace reedfall::sim
