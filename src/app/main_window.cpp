// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/accessibility.h"
#include "app/client_area.h"
#include "app/game_host.h"
#include "app/qt_pictures.h"
#include "app/window_hints.h"

namespace reedfall::app {

MainWindow::MainWindow(GameHost& host, QWidget* parent)
    : QMainWindow(parent), host_(host), client_(new ClientArea(host.view(), host, this)) {
  setWindowTitle(QStringLiteral("Reedfall"));
  setWindowIcon(WindowIcons());
  // A fixed border with a close button and nothing else; the flags must be in place before
  // the window is first shown.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  // The File menu is the window's own, above its client area, whatever the desktop offers: a
  // desktop's global menu bar would take it out of the window and change the window's height.
  // Not asking for one also spares the start the desktop's menu service (about 2 ms).
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  // No shortcuts: only the access keys of the captions.
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  // The open menu is named as its item, as on the page.
  file->setAccessibleName(QStringLiteral("File"));
  newGame_ = file->addAction(QStringLiteral("&New Game"));
  end_ = file->addAction(QStringLiteral("&End"));
  connect(newGame_, &QAction::triggered, &host_,
          [this] { host_.Send(HostEvent::Of(HostEvent::Kind::NewGame)); });
  connect(end_, &QAction::triggered, &host_,
          [this] { host_.Send(HostEvent::Of(HostEvent::Kind::End)); });

  setCentralWidget(client_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  connect(&host_, &GameHost::changed, this, &MainWindow::Refresh);
  connect(&host_, &GameHost::boxOpened, this, &MainWindow::OpenBox);
  connect(&host_, &GameHost::boxClosed, this, &MainWindow::CloseBox);
  connect(&host_, &GameHost::ended, this, &MainWindow::Leave);

  CentreOnScreen();
}

PlayField* MainWindow::field() const { return client_->field(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  host_.Send(HostEvent::Of(HostEvent::Kind::Close));
  event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The native window exists now and is not yet on screen.
  if (!event->spontaneous()) {
    OfferMoveAndCloseOnly(windowHandle());
    // The compositor hears of the window's sizes once it is on the screen: at its first expose.
    windowHandle()->installEventFilter(this);
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose) {
    watched->removeEventFilter(this);
    FollowCompositorSizes(windowHandle());
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // The window has one size. A window manager or compositor that maximizes it anyway (a
  // _NET_WM_STATE request on X11, weston's Super+Shift+M or the maximize button that Qt's own
  // title bar draws on Wayland) has it back at that size as soon as the request is through; the
  // game plays on meanwhile.
  if (event->type() == QEvent::WindowStateChange &&
      (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
    QMetaObject::invokeMethod(this, "KeepOneSize", Qt::QueuedConnection);
  }
  // A click on the window under an open box may make it active; the box stays in front and
  // keeps the keyboard, so that Return still closes it.
  QMessageBox* box = box_.data();
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && box != nullptr &&
      box->isVisible()) {
    box->raise();
    box->activateWindow();
  }
}

void MainWindow::KeepOneSize() {
  setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
  // A Wayland compositor gives the size back with its next configure; an X11 window manager
  // may have resized the window and is asked for the size by the window itself.
  if (!OnWayland()) {
    resize(minimumSize());
  }
}

void MainWindow::Refresh() {
  View& view = host_.view();
  std::vector<QRect> changed;
  for (const PixelBounds& place : view.TakeChangedPlaces()) {
    changed.push_back(PixelRect(place));
  }
  const std::uint32_t labels = view.TakeChangedLabels();
  TellLabelChanges(*client_, labels);
  for (const LabelSpec& spec : kLabelTable) {
    if ((labels & (1U << static_cast<unsigned>(spec.id))) != 0) {
      changed.push_back(PixelRect(spec.rect));
    }
  }
  const QRect field = client_->field()->geometry();
  for (const QRect& rect : changed) {
    // Only the message label lies in the field; the status labels lie below it.
    if (rect.intersects(field)) {
      client_->field()->Repaint(rect.intersected(field));
    }
    if (!field.contains(rect)) {
      client_->update(rect);
    }
  }
}

void MainWindow::OpenBox(const QString& title, const QString& text) {
  // Owned by the window, its parent, and deleted when it closes.
  auto* box =  // NOLINT(cppcoreguidelines-owning-memory)
      new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  // Some styles put a tick on OK; the box shows its text and a plain button, nothing else.
  if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
    ok->setIcon(QIcon());
  }
  // Not modal to Qt: Qt drops the window system's close request for a window that a modal box
  // blocks, and the close button must end the game under the box as well. The game holds the
  // player's clicks back itself while a round ends; the window takes no mouse and no menu
  // meanwhile, and the box, a transient of the window, stays in front of it. Shown without a
  // nested event loop, so that the game's timer keeps firing under it.
  box->setWindowModality(Qt::NonModal);
  HoldInput(true);
  connect(box, &QMessageBox::finished, this, [this] {
    HoldInput(false);
    host_.Send(HostEvent::Of(HostEvent::Kind::BoxClosed));
  });
  box_ = box;
  box->show();
}

void MainWindow::CloseBox() {
  // Closed by the game, not by the player: the game heard nothing of the box's end.
  if (QMessageBox* box = box_.data(); box != nullptr) {
    box->disconnect(this);
    box->close();
  }
  HoldInput(false);
}

void MainWindow::Leave() {
  // The game has ended: the window goes at once, an open box with it, and the program after
  // them. The box's end no longer concerns the game.
  if (QMessageBox* box = box_.data(); box != nullptr) {
    box->disconnect(this);
    box->hide();
  }
  hide();
}

void MainWindow::HoldInput(bool held) {
  // A disabled menu bar also ignores its access keys.
  menuBar()->setEnabled(!held);
  client_->setEnabled(!held);
}

void MainWindow::CentreOnScreen() {
  adjustSize();
  const QRect available = screen()->availableGeometry();
  QPoint at = available.center() - rect().center();
  // A window larger than its screen (three times over on a small one) keeps its title bar and
  // menu on the screen: it goes no further up or left than the screen's top-left corner.
  at.setX(std::max(at.x(), available.left()));
  at.setY(std::max(at.y(), available.top()));
  move(at);
}

}  // namespace reedfall::app
