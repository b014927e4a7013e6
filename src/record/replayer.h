// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A recorded game played back at its own pace in a real-time host: the script runs on the
// driver's game, each `wait` as the host's clock passes through it (so that the ducks fly at
// their speed), every other line as its moment comes. What it shows is exactly what
// reedfall-sim computes from the same script. The player's clicks and the menu's New Game are
// not taken while it plays; File > End and the close button end it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "live/live_game.h"
#include "sim/driver.h"

namespace reedfall {

class Replayer final : public Player {
 public:
  // The script, read and run through once on a driver of its own first: none, and the
  // driver's reason ("line N: ..."), where it does not read or a line is in error.
  static std::unique_ptr<Replayer> Load(std::string_view script, std::string& error);

  Replayer(const Replayer&) = delete;
  Replayer& operator=(const Replayer&) = delete;
  Replayer(Replayer&&) = delete;
  Replayer& operator=(Replayer&&) = delete;
  ~Replayer() override = default;

  [[nodiscard]] const frmMain& game() const override { return driver_.game(); }
  [[nodiscard]] View& view() override { return view_; }
  // A wake-up plays every line whose moment has come by `now`, the host's clock since the
  // replay began. End and Close end it; the player's other events change nothing.
  Settled Handle(std::int64_t now, HostEvent event) override;
  [[nodiscard]] std::optional<std::int64_t> NextWake() const override;

  // What the script's `dump` lines printed since the last call, each line ended.
  std::string TakeOutput();
  // Every line has run: the game stands where the script leaves it.
  [[nodiscard]] bool Finished() const { return next_ >= lines_.size(); }

 private:
  explicit Replayer(std::vector<std::string> lines);
  void Play(std::int64_t now);

  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  // The driver's clock where the `wait` or `late` under way began, if one is.
  std::optional<std::int64_t> stretchStart_;
  sim::Driver driver_;
  View view_;
  std::string output_;
  bool ended_ = false;
};

}  // namespace reedfall
