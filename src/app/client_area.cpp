// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/client_area.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <cmath>

#include "app/game_host.h"
#include "reedfall_assets.h"

namespace reedfall::app {

namespace {

constexpr QColor kStatusGreen{0, 192, 0};
constexpr QColor kMessageWhite{255, 255, 255};
constexpr int kStatusFontPx = 13;   // 9.75 pt
constexpr int kMessageFontPx = 19;  // 14.25 pt

QFont ArialPx(int px) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(px);
  font.setWeight(QFont::Normal);
  return font;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

void DrawPicture(QPainter& painter, const QRect& dirty, const QRect& where, const QImage& image) {
  if (where.intersects(dirty)) {
    painter.drawImage(where.topLeft(), image);
  }
}

void DrawPicture(QPainter& painter, const QRect& dirty, const Picture& where, const QImage& image) {
  DrawPicture(painter, dirty, PixelRect(where), image);
}

}  // namespace

QFont StatusFont() { return ArialPx(kStatusFontPx); }
QFont MessageFont() { return ArialPx(kMessageFontPx); }

void LabelText::Draw(QPainter& painter, const QRect& rect, const std::string& caption) {
  if (caption.empty()) {
    return;
  }
  if (caption != caption_) {
    caption_ = caption;
    text_ = QStaticText(Text(caption));
    text_.setTextFormat(Qt::PlainText);
    text_.prepare(QTransform(), font_);
  }
  // Top-aligned on one line, left or centred across the label, cut off at its edges.
  int left = rect.left();
  if (alignment_.testFlag(Qt::AlignHCenter)) {
    left += (rect.width() - static_cast<int>(std::ceil(text_.size().width()))) / 2;
  }
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  painter.setFont(font_);
  painter.drawStaticText(QPoint(left, rect.top()), text_);
  painter.restore();
}

PlayField::PlayField(const Look& look, QWidget* parent)
    : QWidget(parent), look_(look), message_(MessageFont(), Qt::AlignHCenter) {
  // Every pixel is painted, the sky first: nothing to clear beforehand.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(0, 0, kClientWidthPx, kFieldHeightPx);
  setCursor(QCursor(QPixmap::fromImage(assets::Crosshair()), assets::CrosshairHotSpot().x(),
                    assets::CrosshairHotSpot().y()));
}

void PlayField::paintEvent(QPaintEvent* event) {
  const QRect dirty = event->rect();
  QPainter painter(this);
  // Pixel art: at a scale factor of 2 each art pixel becomes a 2 x 2 block, never a blur.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);

  // Bottom to top; the painter's clip is the part that changed.
  for (auto layer = kStackingOrder.rbegin(); layer != kStackingOrder.rend(); ++layer) {
    switch (*layer) {
      case Control::imgback: {
        const QRect sky = PixelRect(kImgBack);
        painter.fillRect(sky, assets::SkyColour());
        painter.fillRect(QRect(0, sky.bottom() + 1, width(), height() - sky.bottom() - 1),
                         Qt::black);
        break;
      }
      case Control::imgTop:
        DrawPicture(painter, dirty, kImgTop, assets::SceneryTop());
        break;
      case Control::lblMessage: {
        const LabelLook& message = look_.label(LabelId::lblMessage);
        const QRect rect = PixelRect(Spec(LabelId::lblMessage).rect);
        if (message.visible && rect.intersects(dirty)) {
          painter.setPen(kMessageWhite);
          message_.Draw(painter, rect, message.caption);
        }
        break;
      }
      case Control::imgDuck:
        DrawPicture(painter, dirty, look_.blue.rect,
                    assets::DuckFrame(DuckColour::Blue, look_.blue.frame));
        break;
      case Control::Image1_0:
        DrawPicture(painter, dirty, kImage1_0, assets::SceneryPiece(0));
        break;
      case Control::Image1_1:
        DrawPicture(painter, dirty, kImage1_1, assets::SceneryPiece(1));
        break;
      case Control::Image1_2:
        DrawPicture(painter, dirty, kImage1_2, assets::SceneryPiece(2));
        break;
      case Control::imgRedD:
        DrawPicture(painter, dirty, look_.red.rect,
                    assets::DuckFrame(DuckColour::Red, look_.red.frame));
        break;
    }
  }
}

ClientArea::ClientArea(const Look& look, GameHost& host, QWidget* parent)
    : QWidget(parent),
      look_(look),
      host_(host),
      field_(new PlayField(look, this)),
      labels_(kLabelCount, LabelText(StatusFont(), Qt::AlignLeft)) {
  setFixedSize(kClientWidthPx, kClientHeightPx);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  setCursor(Qt::ArrowCursor);
}

void ClientArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setPen(kStatusGreen);
  for (const LabelSpec& spec : kLabelTable) {
    const LabelLook& label = look_.label(spec.id);
    const QRect rect = PixelRect(spec.rect);
    if (spec.id == LabelId::lblMessage || !label.visible || !event->region().intersects(rect)) {
      continue;
    }
    labels_.at(static_cast<std::size_t>(spec.id)).Draw(painter, rect, label.caption);
  }
}

// Presses on the play field reach here too: the field leaves them to its parent.
void ClientArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    host_.Press(event->position());
  }
}

// A real double-click arrives as press, release, double-click, release: the first press was
// the click, this is the double-click.
void ClientArea::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    host_.DoubleClick();
  }
}

}  // namespace reedfall::app
