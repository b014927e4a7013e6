// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted driver: one command a line, played on the game's virtual clock.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dump/dump.h"
#include "frmmain/frmmain.h"
#include "sim/sim_platform.h"

namespace reedfall::sim {

// The clock stops here, so that every JSON reader reads `t` exactly: 2^53 - 1 ms.
inline constexpr std::int64_t kClockLimit = (std::int64_t{1} << 53) - 1;

struct LineResult {
  enum class Kind : std::uint8_t { Ok, Ended, Error };
  Kind kind = Kind::Ok;
  std::string output;  // what the line prints (a dump), if anything
  std::string error;   // the reason, for Kind::Error
};

class Driver {
 public:
  // `clockLimit` lower than the game's own bounds the virtual time a script may ask for.
  explicit Driver(std::int64_t clockLimit = kClockLimit);
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;
  Driver(Driver&&) = delete;
  Driver& operator=(Driver&&) = delete;
  ~Driver() = default;

  // One line of the script, without its line end.
  LineResult Run(std::string_view line);

  [[nodiscard]] const frmMain& game() const { return game_; }

 private:
  struct Commands;

  ScriptedMessageBox box_;
  ScriptedRandom random_;
  ScriptedProgram program_;
  frmMain game_;
  std::int64_t clockLimit_;
};

}  // namespace reedfall::sim
