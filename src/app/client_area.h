// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's client area: the play field with its pictures above, the status labels on black
// below. Both paint the game's view (live/view.h); the area hands every mouse press and
// double-click, in its own pixels, to the game.
#pragma once

#include <QFont>
#include <QStaticText>
#include <QWidget>
#include <cstdint>
#include <string>

#include "app/pixel_rect.h"
#include "live/view.h"

namespace reedfall::app {

class GameHost;

// The layout counts 15 twips to a pixel, that is 96 dots an inch; the fonts are sized in
// pixels at that resolution so that the texts fit their labels whatever the screen's DPI. The
// face is the game's own Liberation Sans, registered on first use.
QFont StatusFont();   // Arial's metrics, 9.75 pt
QFont MessageFont();  // Arial's metrics, 14.25 pt

// A status label's text, with the painter's pen and font: left-aligned and top-aligned on one
// line, cut off at the label's edges.
void DrawStatusText(QPainter& painter, const QRect& rect, const QString& caption);

// The message label's text, laid out once for each caption it shows: a duck that flies across
// the label has it repainted every 60 ms, and laying out text costs far more than drawing it.
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
// shows over all of it. At a fractional scale the art is averaged (app/art_scale.h), the
// message's text drawn sharp between its layers.
class PlayField final : public QWidget {
  Q_OBJECT

 public:
  PlayField(const View& view, QWidget* parent);

  // Repaints `rect`, in pixels of the field, once the event loop comes round.
  void Repaint(const QRect& rect);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  enum class Layers : std::uint8_t { BelowMessage, AboveMessage };

  // One picture's art, where it meets `dirty`.
  static void DrawArt(QPainter& painter, const QRect& dirty, const PictureView& picture);
  void DrawLayers(QPainter& painter, const QRect& dirty, Layers layers) const;
  void DrawMessage(QPainter& painter, const QRect& dirty);
  void PaintAveraged(QPainter& painter, const QRect& dirty, qreal scale);
  // Brings the art up to date in `dirty`, everywhere if a whole-factor paint came between.
  void UpdateArt(const QRect& dirty);
  // Takes the scale of the screen the field is on, and gives it to the pointer.
  void FollowScale();
  static QRect MessageRect();

  const View& view_;
  LabelText message_;
  QImage background_;  // the sky and the scenery below the message, opaque
  qreal scale_ = 0;    // the screen's, as last seen
  // For a fractional scale: the art at one pixel per art pixel, whole, and apart below and
  // above the message label.
  QImage art_;
  QImage below_;
  QImage above_;
  bool artCurrent_ = false;
};

class ClientArea final : public QWidget {
  Q_OBJECT

 public:
  ClientArea(const View& view, GameHost& host, QWidget* parent = nullptr);

  [[nodiscard]] PlayField* field() const { return field_; }
  [[nodiscard]] const View& view() const { return view_; }

  // A press of the left button at `clientPx`, whether the mouse or a screen reader gives it.
  void Press(QPointF clientPx);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const View& view_;
  GameHost& host_;
  PlayField* field_;
  QFont statusFont_;
};

}  // namespace reedfall::app
