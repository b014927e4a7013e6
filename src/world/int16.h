// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's counters are signed 16-bit integers. Where a step would take one out of its
// range it stays at the bound instead: a countdown left running for hours under an open box
// must not stop the program.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace reedfall {

using Int16 = std::int16_t;

constexpr Int16 SaturateToInt16(std::int64_t value) {
  constexpr std::int64_t lo = std::numeric_limits<Int16>::min();
  constexpr std::int64_t hi = std::numeric_limits<Int16>::max();
  return static_cast<Int16>(std::clamp(value, lo, hi));
}

// counter += delta, held within -32768 to 32767.
constexpr void AddSaturating(Int16& counter, int delta) {
  counter = SaturateToInt16(std::int64_t{counter} + delta);
}

}  // namespace reedfall
