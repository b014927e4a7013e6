// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in uniform generator: small, fast and the same on every machine, so that a seed
// replays the same game everywhere. Numbers have 24 significant bits, like a single-precision
// random number.
#pragma once

#include <cstdint>

namespace reedfall {

class Pcg32 {
 public:
  explicit Pcg32(std::uint64_t seed = 1) { Seed(seed); }

  void Seed(std::uint64_t seed) {
    state_ = 0;
    Step();
    state_ += seed;
    Step();
  }

  std::uint32_t NextU32() {
    const std::uint64_t old = state_;
    Step();
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
  }

  // Uniform in [0, 1), a multiple of 2^-24.
  double NextUnit() { return static_cast<double>(NextU32() >> 8U) / 16777216.0; }

 private:
  void Step() { state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL; }

  std::uint64_t state_ = 0;
};

}  // namespace reedfall
