// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's host in the Qt program: it owns the running game's main window, answers its seams
// (the box, the random numbers, the end of the program) and brings it up to the clock's time
// before every event and at every wake-up. After each step it tells the window to look again.
#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <optional>

#include "app/clock.h"
#include "frmmain/frmmain.h"
#include "world/platform.h"
#include "world/random.h"

namespace reedfall::app {

// The live game's random numbers: reseeded from the wall clock whenever the game asks.
class ClockSeededRandom final : public RandomSource {
 public:
  ClockSeededRandom();
  void Randomize() override;
  double Next() override { return generator_.NextUnit(); }

 private:
  Pcg32 generator_;
};

class GameHost final : public QObject, private MessageBoxHost, private ProgramHost {
  Q_OBJECT

 public:
  // With no random source of its own the game reseeds from the wall clock at every launch.
  explicit GameHost(GameClock& clock, RandomSource* random = nullptr, QObject* parent = nullptr);

  [[nodiscard]] const frmMain& game() const { return game_; }

  // --- The player's events, each taken at the clock's current time. ---

  // A left press at `clientPx`, in pixels of the client area.
  void Press(QPointF clientPx);
  // The second press of a double-click: it goes to the control that took the first.
  void DoubleClick();
  void NewGame();
  void End();
  // The close button; the program ends whatever is running.
  void Close();
  // The round-end box has been closed.
  void BoxClosed();

 signals:
  // The model may have changed: the window compares and repaints what differs.
  void changed();
  // A round has ended: show the box, and call BoxClosed() when the player closes it.
  void boxOpened(const QString& title, const QString& text);
  // The program has ended; emitted once.
  void ended();

 private:
  void ShowMessageBox(std::string_view text, std::string_view title) override;
  void EndProgram() override;

  // Runs every tick that fell due up to now.
  void CatchUp();
  // Tells the window, opens a box the game asked for, and arms the wake-up for the next tick.
  void Settle();
  // When to wake next: at the next tick that can act, but a countdown tick waits for a duck
  // tick that follows it closely.
  [[nodiscard]] std::optional<std::int64_t> NextWake() const;

  GameClock& clock_;
  ClockSeededRandom ownRandom_;
  frmMain game_;
  std::optional<Control> lastPressed_;
  std::optional<MessageBoxText> pendingBox_;
  bool endPending_ = false;
  bool endAnnounced_ = false;
};

}  // namespace reedfall::app
