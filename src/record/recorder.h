// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A live game written down as it is played, as a script that reedfall-sim replays exactly: the
// virtual milliseconds between events as `wait` (as `late` where a late wake-up let ticks pass
// by), each click at the twips the game routed it with, a double-click's second press as
// `dblpress` on the control that took the first, the menu, `ok` and `close`, and every random
// number the game drew as `rand`, queued just before the line during which it is drawn. Each line
// goes to the sink as its event happens. At the end the script's last lines are `dump`, then the
// `menu end` or `close` that ended the game.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frmmain/frmmain.h"
#include "live/live_game.h"

namespace reedfall {

// Where the lines go, one at a time, each without its line end.
class ScriptSink {
 public:
  virtual ~ScriptSink() = default;
  virtual void Line(std::string_view line) = 0;

 protected:
  ScriptSink() = default;
  ScriptSink(const ScriptSink&) = default;
  ScriptSink(ScriptSink&&) = default;
  ScriptSink& operator=(const ScriptSink&) = default;
  ScriptSink& operator=(ScriptSink&&) = default;
};

class Recorder final : public LiveObserver {
 public:
  // Writes `heading` (one line, a comment) first, and from then on what `live` does.
  Recorder(LiveGame& live, ScriptSink& sink, std::string_view heading);
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;
  Recorder(Recorder&&) = delete;
  Recorder& operator=(Recorder&&) = delete;
  ~Recorder() override;

  // The lines that bring a replay of what was written to the game's present state, and show
  // it: a `wait` up to the game's clock, if it has moved since, and `dump`. They are not
  // written.
  [[nodiscard]] std::string Tail() const;
  // The game's state as the script's last `dump` shows it, once the game has ended; empty
  // before.
  [[nodiscard]] const std::string& FinalDump() const { return finalDump_; }

 private:
  void Drew(double r) override;
  void Advanced(std::int64_t from, std::int64_t to, bool late) override;
  void Took(const Event& event) override;
  // Writes the time that has passed since the last line up to `to`, as `wait`.
  void WaitUntil(std::int64_t to);
  // Writes the numbers drawn since the last `rand` line.
  void WriteDraws();

  LiveGame& live_;
  ScriptSink& sink_;
  std::int64_t written_ = 0;  // the virtual time up to which the script has come
  std::vector<double> draws_;
  std::string finalDump_;
};

}  // namespace reedfall
