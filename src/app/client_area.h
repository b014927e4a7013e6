// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's client area: the play field with its pictures above, the status labels on black
// below. Both paint the look the window last took of the model; the area hands every mouse
// press and double-click, in its own pixels, to the game.
#pragma once

#include <QFont>
#include <QStaticText>
#include <QWidget>
#include <string>
#include <vector>

#include "app/look.h"

namespace reedfall::app {

class GameHost;

inline constexpr int kClientWidthPx = kClientWidth / kTwipsPerPixel;
inline constexpr int kClientHeightPx = kClientHeight / kTwipsPerPixel;
inline constexpr int kFieldHeightPx = kFieldBottomTwips / kTwipsPerPixel;

// The layout counts 15 twips to a pixel, that is 96 dots an inch; the fonts are sized in
// pixels at that resolution so that the texts fit their labels whatever the screen's DPI.
QFont StatusFont();   // Arial 9.75 pt
QFont MessageFont();  // Arial 14.25 pt

// A label's text, laid out once for each caption it shows: the countdown rewrites one label
// every 0.6 s, and laying out text costs far more than drawing it.
class LabelText {
 public:
  LabelText(const QFont& font, Qt::Alignment alignment) : font_(font), alignment_(alignment) {}

  // Draws `caption` in `rect`, clipped to it, with the painter's pen.
  void Draw(QPainter& painter, const QRect& rect, const std::string& caption);

 private:
  QFont font_;
  Qt::Alignment alignment_;
  std::string caption_;
  QStaticText text_;
};

// Sky, scenery, ducks and the message label, stacked as the game stacks them. The crosshair
// shows over all of it.
class PlayField final : public QWidget {
  Q_OBJECT

 public:
  PlayField(const Look& look, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Look& look_;
  LabelText message_;
};

class ClientArea final : public QWidget {
  Q_OBJECT

 public:
  ClientArea(const Look& look, GameHost& host, QWidget* parent = nullptr);

  [[nodiscard]] PlayField* field() const { return field_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const Look& look_;
  GameHost& host_;
  PlayField* field_;
  std::vector<LabelText> labels_;  // by LabelId
};

}  // namespace reedfall::app
