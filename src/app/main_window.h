// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window: caption, icon, the File menu, the client area and the round-end boxes.
// It holds no game logic; it shows the host's game and passes the player's events to it.
#pragma once

#include <QMainWindow>

#include "app/look.h"

class QAction;

namespace reedfall::app {

class ClientArea;
class GameHost;
class PlayField;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(GameHost& host, QWidget* parent = nullptr);

  [[nodiscard]] ClientArea* client() const { return client_; }
  [[nodiscard]] PlayField* field() const;
  [[nodiscard]] QAction* newGameAction() const { return newGame_; }
  [[nodiscard]] QAction* endAction() const { return end_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Takes a new look at the model and repaints where it differs from the last one.
  void Refresh();
  void OpenBox(const QString& title, const QString& text);
  void CentreOnScreen();

  GameHost& host_;
  Look look_;
  ClientArea* client_;
  QAction* newGame_;
  QAction* end_;
};

}  // namespace reedfall::app
