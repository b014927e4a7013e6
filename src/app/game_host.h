// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's host in the Qt program: it plays the game as every real-time host does
// (live/live_game.h) on the window's clock, shows the box the game asks for and ends the
// program. After each step it tells the window to look again.
#pragma once

#include <QObject>
#include <QString>

#include "app/clock.h"
#include "live/live_game.h"

namespace reedfall::app {

class GameHost final : public QObject {
  Q_OBJECT

 public:
  // Plays `player` (a live game, or a recorded one played back) on `clock`.
  GameHost(GameClock& clock, Player& player, QObject* parent = nullptr);

  [[nodiscard]] const frmMain& game() const { return player_.game(); }
  // What the window shows, and what changed since it last asked.
  [[nodiscard]] View& view() { return player_.view(); }

  // The player's events, each taken at the clock's current time; presses in pixels of the
  // client area.
  void Send(HostEvent event);

 signals:
  // The model may have changed: the window compares and repaints what differs.
  void changed();
  // A round has ended: show the box, and send BoxClosed when the player closes it.
  void boxOpened(const QString& title, const QString& text);
  // The box has closed without the player: a recorded game's OK.
  void boxClosed();
  // The program has ended; emitted once.
  void ended();

 private:
  // Tells the window, opens a box the game asked for, and arms the wake-up for the next tick.
  void Show(const Settled& settled);

  GameClock& clock_;
  Player& player_;
};

}  // namespace reedfall::app
