// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt window of the game's client size that does the work the game's
// window does in play, and nothing of the game: a 34 x 31 picture with transparent edges moves
// every 60 ms over a flat sky and is repainted where it was and where it is; on the same
// wake-ups one label below the sky is rewritten every 0.6 s, as the countdown does, and four
// every 13 ticks, as a hit of the benchmark's player does (about 25 in 20 s), each hit
// coming as a press and a release of the mouse through the window, as the player's clicks come
// to the game. The labels are drawn in the game's font and colour.
//   reedfall-window-baseline anim|idle [seconds]
#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <array>

#include "probe.h"

namespace {

constexpr int kCountdownTicks = 10;  // 600 ms
constexpr int kHitTicks = 13;        // 780 ms
constexpr int kSkyHeight = 372;

// The game's status labels, in pixels.
constexpr std::array<QRect, 8> kLabels{{
    {8, 400, 129, 17},
    {8, 424, 129, 17},
    {8, 448, 105, 17},
    {144, 400, 105, 17},
    {144, 424, 105, 17},
    {144, 448, 105, 17},
    {352, 400, 121, 17},
    {352, 424, 121, 17},
}};
// Texts of the same lengths as the game's, so that laying them out costs the same.
constexpr std::array<const char*, 8> kPrefixes{
    "Time Left: ",  "Ducks Killed: ", "Ducks Missed: ", "Shots Left: ",
    "Shots Used: ", "Shots Missed: ", "Round: ",        "HighScore: ",
};
// Each label's first number, and what a rewrite adds to it: the clock counts down, a hit adds
// 500 to the score, one to the ducks and the shots used and takes one from the shots left.
constexpr std::array<int, 8> kFirst{120, 0, 0, 50, 0, 0, 1, 0};
constexpr std::array<int, 8> kStep{-1, 1, 1, -1, 1, 1, 0, 500};
constexpr int kCountdownLabel = 0;
constexpr std::array<int, 4> kHitLabels{1, 4, 3, 7};

QImage Sprite() {
  QImage sprite(34, 31, QImage::Format_ARGB32_Premultiplied);
  sprite.fill(Qt::transparent);
  QPainter painter(&sprite);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 128));
  painter.drawEllipse(sprite.rect().adjusted(2, 4, -2, -4));
  return sprite;
}

class BareWindow final : public QWidget {
 public:
  explicit BareWindow(bool animate) : sprite_(Sprite()) {
    setFixedSize(487, 476);
    setAttribute(Qt::WA_OpaquePaintEvent);
    font_.setFamily(QStringLiteral("Arial"));
    font_.setPixelSize(13);
    captions_ = kFirst;
    if (animate) {
      timer_.setTimerType(Qt::PreciseTimer);
      connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
      timer_.start(60);
    }
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), kSkyHeight), QColor(32, 160, 255));
    painter.fillRect(QRect(0, kSkyHeight, width(), height() - kSkyHeight), Qt::black);
    painter.drawImage(sprite_at_.topLeft(), sprite_);
    painter.setPen(QColor(0, 192, 0));
    painter.setFont(font_);
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
      if (event->region().intersects(kLabels.at(i))) {
        painter.drawText(kLabels.at(i), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         QLatin1String(kPrefixes.at(i)) + QString::number(captions_.at(i)));
      }
    }
  }

 private:
  void Tick() {
    const QRect before = sprite_at_;
    sprite_at_.translate(10, -5);
    if (!QRect(0, 0, width(), kSkyHeight).contains(sprite_at_)) {
      sprite_at_.moveTo(0, 300);
    }
    update(before);
    update(sprite_at_);
    ++ticks_;
    if (ticks_ % kCountdownTicks == 0) {
      Rewrite(kCountdownLabel);
    }
    if (ticks_ % kHitTicks == 0) {
      Click(sprite_at_.center());
      for (const int label : kHitLabels) {
        Rewrite(label);
      }
    }
  }

  // A press and a release of the left button, sent to the window as the player's are.
  void Click(QPointF at) {
    const QPointF global = mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(windowHandle(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(windowHandle(), &release);
  }

  void Rewrite(int label) {
    const auto i = static_cast<std::size_t>(label);
    captions_.at(i) += kStep.at(i);
    update(kLabels.at(static_cast<std::size_t>(label)));
  }

  QTimer timer_;
  QImage sprite_;
  QRect sprite_at_{0, 300, 34, 31};
  QFont font_;
  std::array<int, kLabels.size()> captions_{};
  int ticks_ = 0;
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
