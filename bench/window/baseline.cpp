// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt window of the game's client size with one 34 x 31 sprite moving
// every 60 ms and repainted where it was and where it is, nothing else.
//   reedfall-window-baseline anim|idle [seconds]
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "probe.h"

namespace {

class BareWindow final : public QWidget {
 public:
  explicit BareWindow(bool animate) {
    setFixedSize(487, 476);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (animate) {
      timer_.setTimerType(Qt::PreciseTimer);
      connect(&timer_, &QTimer::timeout, this, [this] { Move(); });
      timer_.start(60);
    }
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(32, 160, 255));
    painter.fillRect(sprite_, QColor(0, 0, 128));
  }

 private:
  void Move() {
    const QRect before = sprite_;
    sprite_.translate(10, -5);
    if (!rect().contains(sprite_)) {
      sprite_.moveTo(0, 300);
    }
    update(before);
    update(sprite_);
  }

  QTimer timer_;
  QRect sprite_{0, 300, 34, 31};
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const auto options = reedfall::bench::ParseOptions(QApplication::arguments(), "anim");
  reedfall::bench::Probe probe(options.seconds);
  BareWindow window(options.mode == QStringLiteral("anim"));
  window.show();
  return QApplication::exec();
}
