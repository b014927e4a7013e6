// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's side of the game's seams: a box that waits for the script's `ok`, a random
// source that takes queued numbers first, and an end that stops the script.
#pragma once

#include <cstdint>
#include <deque>

#include "world/platform.h"
#include "world/random.h"

namespace reedfall::sim {

class ScriptedRandom final : public RandomSource {
 public:
  // The game's own reseeding from the clock leaves the built-in sequence alone, so that every
  // run of a script gives the same game.
  void Randomize() override {}
  double Next() override;

  void Queue(double r) { queued_.push_back(r); }
  void Seed(std::uint32_t seed) { generator_.Seed(seed); }

 private:
  std::deque<double> queued_;
  Pcg32 generator_{1};
};

// The box's state lives in the game; the script closes it with `ok`.
class ScriptedMessageBox final : public MessageBoxHost {
 public:
  void ShowMessageBox(std::string_view /*text*/, std::string_view /*title*/) override {}
};

class ScriptedProgram final : public ProgramHost {
 public:
  void EndProgram() override { ended_ = true; }
  [[nodiscard]] bool Ended() const { return ended_; }

 private:
  bool ended_ = false;
};

}  // namespace reedfall::sim
