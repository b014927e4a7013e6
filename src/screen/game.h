// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One running game: the game's variables, the main window's controls and timers, and the
// seams to the host. The host (the Qt window or the scripted driver) feeds it the player's
// events and the passing of time; the routines of the game act on it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "game/game_state.h"
#include "screen/controls.h"
#include "screen/platform.h"
#include "screen/timers.h"

namespace reedfall {

// A round end shows its box and goes on when the player closes it. While it waits, the poll
// must not start a second round end.
enum class RoundEnd : std::uint8_t { None, Lost, Won };

struct MessageBoxText {
  std::string_view title;
  std::string_view text;
};

class Game final : private TimerSink {
 public:
  // Creates the window with its controls as designed and runs Form_Load.
  explicit Game(Platform host);

  GameState state;  // the game's variables
  MainWindowControls frmMain;
  bool GameStarted = false;  // the start prompt has been clicked once
  RoundEnd roundEnd = RoundEnd::None;
  Platform platform;

  void Enable(TimerId id) { timers_.SetEnabled(id, true); }
  void Disable(TimerId id) { timers_.SetEnabled(id, false); }
  [[nodiscard]] bool Enabled(TimerId id) const { return timers_.Enabled(id); }

  // --- Events from the host. While a box is open, or once the program has ended, the
  // player's events do not reach the window. ---

  // A click at (x, y) in twips. Returns the control that took it, if any.
  std::optional<Control> Click(double x, double y);
  // The second press of a double-click, on the control that took the first.
  void DblClickOn(Control control);
  // A click and then at once a double-click on the same control.
  void DblClick(double x, double y);
  void MenuNewGame();
  void MenuEnd();
  // Ends the program, also while a box is open.
  void CloseButton();
  // The open box's OK button: the round end goes on. False when no box is open.
  bool MessageBoxOk();

  // Runs every timer tick due up to `ms` on the game's clock.
  void AdvanceTo(std::int64_t ms, Lateness lateness = Lateness::RunEveryTick);
  [[nodiscard]] std::int64_t Now() const { return timers_.Now(); }
  // When the timer ticks next; none while it is off.
  [[nodiscard]] std::optional<std::int64_t> NextDue(TimerId id) const {
    return timers_.NextDue(id);
  }
  [[nodiscard]] std::uint64_t TicksRun() const { return timers_.TicksRun(); }
  // When the next tick that could change anything falls due; none while nothing runs.
  [[nodiscard]] std::optional<std::int64_t> NextWake() const;

  [[nodiscard]] std::optional<MessageBoxText> OpenBox() const;
  [[nodiscard]] bool Ended() const { return ended_; }
  [[nodiscard]] bool InputBlocked() const { return ended_ || roundEnd != RoundEnd::None; }

  // Ends the program: the host is told and no further event runs.
  void EndProgram();

 private:
  void Tick(TimerId id) override;
  [[nodiscard]] bool TickCanAct(TimerId id) const override;

  TimerScheduler timers_;
  bool ended_ = false;
};

}  // namespace reedfall
