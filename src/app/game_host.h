// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's host in the Qt program: it runs the game as every real-time host does
// (live/live_game.h) on the window's clock, shows the box the game asks for and ends the
// program. After each step it tells the window to look again.
#pragma once

#include <QObject>
#include <QPointF>
#include <QString>

#include "app/clock.h"
#include "live/live_game.h"

namespace reedfall::app {

class GameHost final : public QObject {
  Q_OBJECT

 public:
  // With no random source of its own the game reseeds from the wall clock at every launch.
  explicit GameHost(GameClock& clock, RandomSource* random = nullptr, QObject* parent = nullptr);

  [[nodiscard]] const frmMain& game() const { return live_.game(); }

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
  // Tells the window, opens a box the game asked for, and arms the wake-up for the next tick.
  void Settle();

  GameClock& clock_;
  LiveGame live_;
  bool endAnnounced_ = false;
};

}  // namespace reedfall::app
