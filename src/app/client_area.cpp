#include "app/client_area.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

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

void DrawPicture(QPainter& painter, const Picture& where, const QImage& image) {
  painter.drawImage(PixelRect(where).topLeft(), image);
}

}  // namespace

QFont StatusFont() { return ArialPx(kStatusFontPx); }
QFont MessageFont() { return ArialPx(kMessageFontPx); }

PlayField::PlayField(const Look& look, QWidget* parent)
    : QWidget(parent), look_(look), messageFont_(MessageFont()) {
  // Every pixel is painted, the sky first: nothing to clear beforehand.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(0, 0, kClientWidthPx, kFieldHeightPx);
  setCursor(QCursor(QPixmap::fromImage(assets::Crosshair()), assets::CrosshairHotSpot().x(),
                    assets::CrosshairHotSpot().y()));
}

void PlayField::paintEvent(QPaintEvent* /*event*/) {
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
        DrawPicture(painter, kImgTop, assets::SceneryTop());
        break;
      case Control::lblMessage: {
        const LabelLook& message = look_.label(LabelId::lblMessage);
        if (message.visible && !message.caption.empty()) {
          painter.setFont(messageFont_);
          painter.setPen(kMessageWhite);
          painter.drawText(PixelRect(Spec(LabelId::lblMessage).rect),
                           Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                           Text(message.caption));
        }
        break;
      }
      case Control::imgDuck:
        painter.drawImage(look_.blue.rect.topLeft(),
                          assets::DuckFrame(DuckColour::Blue, look_.blue.frame));
        break;
      case Control::Image1_0:
        DrawPicture(painter, kImage1_0, assets::SceneryPiece(0));
        break;
      case Control::Image1_1:
        DrawPicture(painter, kImage1_1, assets::SceneryPiece(1));
        break;
      case Control::Image1_2:
        DrawPicture(painter, kImage1_2, assets::SceneryPiece(2));
        break;
      case Control::imgRedD:
        painter.drawImage(look_.red.rect.topLeft(),
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
      statusFont_(StatusFont()) {
  setFixedSize(kClientWidthPx, kClientHeightPx);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  setCursor(Qt::ArrowCursor);
}

void ClientArea::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setFont(statusFont_);
  painter.setPen(kStatusGreen);
  for (const LabelSpec& spec : kLabelTable) {
    const LabelLook& label = look_.label(spec.id);
    if (spec.id == LabelId::lblMessage || !label.visible) {
      continue;
    }
    painter.drawText(PixelRect(spec.rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     Text(label.caption));
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
