// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window: caption, icon, the File menu, the client area and the round-end boxes.
// It holds no game logic; it shows the host's game and passes the player's events to it.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "app/pixel_rect.h"

class QAction;
class QMessageBox;

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
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Repaints where the view says the game changed.
  void Refresh();
  void OpenBox(const QString& title, const QString& text);
  void CloseBox();
  void Leave();
  // While a round-end box is open the menu and the client area take no input.
  void HoldInput(bool held);
  void CentreOnScreen();
  // Back to the one size after a maximize, once the request is through.
  Q_INVOKABLE void KeepOneSize();

  GameHost& host_;
  ClientArea* client_;
  QAction* newGame_ = nullptr;
  QAction* end_ = nullptr;
  QPointer<QMessageBox> box_;  // the open round-end box, if any
};

}  // namespace reedfall::app
