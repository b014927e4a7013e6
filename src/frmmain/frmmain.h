// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window frmMain: it owns the world that the game's routines act on and the scheduler
// that runs its timers, takes the host's events (clicks, the menu, the close button, the box's
// OK, the passing of time), routes each to the handler that the window wires to it, and keeps
// the player's events away while a round-end box is open. Hosts (the Qt window, the scripted
// driver) talk only to it and read the world through a const view.
#pragma once

#include <cstdint>
#include <optional>

#include "frmmain/scheduler.h"
#include "game/round_end.h"
#include "world/controls.h"
#include "world/platform.h"
#include "world/world.h"

namespace reedfall {

class frmMain final : private TimerSink {
 public:
  // Creates the window with its controls as designed and runs Form_Load.
  explicit frmMain(Platform host);
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;
  frmMain(frmMain&&) = delete;
  frmMain& operator=(frmMain&&) = delete;
  ~frmMain() override = default;

  [[nodiscard]] const World& world() const { return world_; }

  // --- Events from the host. While a box is open, or once the program has ended, the
  // player's clicks and the menu do not reach the window. ---

  // A click at (x, y) in twips. Returns the control that took it, if any.
  std::optional<Control> Click(double x, double y);
  // The second press of a double-click, on the control that took the first.
  void DblClickOn(Control control);
  // A click and then at once a double-click on the same control.
  void DblClick(double x, double y);
  void MenuNewGame();
  void MenuEnd();
  // The window's close button ends the program whatever is running, a round-end box included.
  void CloseButton();
  // The open box's OK button: the round end goes on. False when no box is open.
  bool MessageBoxOk();

  // Runs every timer tick due up to `ms` on the game's clock.
  void AdvanceTo(std::int64_t ms, Lateness lateness = Lateness::RunEveryTick);
  [[nodiscard]] std::int64_t Now() const { return world_.timers.Now(); }
  [[nodiscard]] bool Enabled(TimerId id) const { return world_.timers.Enabled(id); }
  // When the timer ticks next; none while it is off.
  [[nodiscard]] std::optional<std::int64_t> NextDue(TimerId id) const {
    return world_.timers.NextDue(id);
  }
  [[nodiscard]] std::uint64_t TicksRun() const { return scheduler_.TicksRun(); }
  [[nodiscard]] std::uint64_t TicksDropped() const { return scheduler_.TicksDropped(); }
  // When the next tick that could change anything falls due; none while nothing runs.
  [[nodiscard]] std::optional<std::int64_t> NextWake() const;

  // The rectangle in which `control` takes clicks, or none while it is hidden.
  [[nodiscard]] std::optional<Rect> ClickArea(Control control) const;
  // The topmost control whose rectangle holds the point; none outside the client area or
  // where no control lies.
  [[nodiscard]] std::optional<Control> ControlAt(double x, double y) const;

  [[nodiscard]] std::optional<MessageBoxText> OpenBox() const {
    return RoundEndBox(world_.roundEnd);
  }
  [[nodiscard]] bool Ended() const { return world_.ended; }
  [[nodiscard]] bool InputBlocked() const {
    return world_.ended || world_.roundEnd != RoundEnd::None;
  }

 private:
  // The core's tests set up positions that play reaches only after minutes.
  friend struct FrmMainTestAccess;

  void Tick(TimerId id) override;
  [[nodiscard]] bool TickCanAct(TimerId id) const override;

  World world_;
  TimerScheduler scheduler_{world_.timers};
};

}  // namespace reedfall
