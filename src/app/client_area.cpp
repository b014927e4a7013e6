// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/client_area.h"

#include <QCursor>
#include <QEvent>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "app/accessibility.h"
#include "app/art_scale.h"
#include "app/game_host.h"
#include "app/qt_pictures.h"
#include "app/window_hints.h"

namespace reedfall::app {

namespace {

constexpr QColor kStatusGreen{0, 192, 0};
constexpr QColor kMessageWhite{255, 255, 255};

// Liberation Sans has Arial's metrics, so the numbers fit their labels as the layout means
// them to. The game carries its own copy: a machine without it would give Arial's place to a
// wider face and cut the last digit off.
QString GameFontFamily() {
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral(":/reedfall/fonts/%1").arg(QStringLiteral(REEDFALL_FONT_NAME)));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
      // Built without its font: the closest a machine's own fonts can come.
      qWarning("Reedfall: the font %s is missing from the program", REEDFALL_FONT_NAME);
      return QStringLiteral("Arial");
    }
    return families.constFirst();
  }();
  return family;
}

QFont GameFontPx(int px) {
  QFont font(GameFontFamily());
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(px);
  font.setWeight(QFont::Normal);
  // The same pixels on every desktop, whatever its own font settings ask: smoothed in grey,
  // never in colour fringes, and hinted only vertically, as desktops hint by default.
  // Qt's StyleStrategy values are flags, meant to be combined.
  // NOLINTNEXTLINE(clang-analyzer-optin.core.EnumCastOutOfRange)
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(QFont::PreferVerticalHinting);
  return font;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

void DrawPicture(QPainter& painter, const QRect& dirty, const QRect& where, const QImage& image) {
  if (where.intersects(dirty)) {
    painter.drawImage(where.topLeft(), image);
  }
}

}  // namespace

QFont StatusFont() { return GameFontPx(kStatusFontPx); }
QFont MessageFont() { return GameFontPx(kMessageFontPx); }

void DrawStatusText(QPainter& painter, const QRect& rect, const QString& caption) {
  // A status label is repainted when its text changes, hardly ever with the same text: laid
  // out and drawn in one go, top-aligned on one line. Cut off at the label's edges, as a label
  // control cuts its text: text drawn into a rectangle is cut at it, a wider line and a glyph's
  // ink beyond its line alike, unless Qt::TextDontClip says otherwise.
  painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
}

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

PlayField::PlayField(const View& view, QWidget* parent)
    : QWidget(parent),
      view_(view),
      message_(MessageFont(), Qt::AlignHCenter),
      background_(kClientWidthPx, kFieldHeightPx, QImage::Format_RGB32) {
  // Before Qt makes the field's accessible object or the client area's, which it may do for the
  // name below.
  InstallAccessibility();
  // Every pixel is painted, the sky first: nothing to clear beforehand.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(0, 0, kClientWidthPx, kFieldHeightPx);
  // To a screen reader the field is one picture: where the ducks fly is the player's to see.
  setAccessibleName(QStringLiteral("Play field"));
  setAccessibleDescription(QStringLiteral("Click a duck to shoot it"));
  FollowScale();
  // The sky and the scenery behind the blue duck never change: laid together once, they are
  // copied where a duck moved instead of blended there again at every step. Where no picture
  // lies, the window's black shows.
  background_.fill(Qt::black);
  QPainter painter(&background_);
  // Up the stack from the sky to the message.
  for (std::size_t i = kControlCount; i-- > kMessageLayer + 1;) {
    DrawArt(painter, rect(), view_.pictures().at(i));
  }
}

void PlayField::Repaint(const QRect& rect) {
  // At a fractional scale the device pixels on the rectangle's edge show the art pixels on
  // both sides of it: they are repainted with it, whichever way the window system rounds.
  update(IsWholeFactor(scale_) ? rect : rect.adjusted(-1, -1, 1, 1));
}

bool PlayField::event(QEvent* event) {
  if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show) {
    FollowScale();
  }
  return QWidget::event(event);
}

void PlayField::FollowScale() {
  const qreal scale = devicePixelRatioF();
  if (scale == scale_) {
    return;
  }
  scale_ = scale;
  // The pointer's picture at the screen's scale, like the rest of the art.
  const QPoint hotSpot = PointerHotSpot(CrosshairHotSpot(), scale);
  setCursor(QCursor(QPixmap::fromImage(ScaleArt(Crosshair(), scale)), hotSpot.x(), hotSpot.y()));
}

void PlayField::DrawArt(QPainter& painter, const QRect& dirty, const PictureView& picture) {
  const QRect place = PixelRect(picture.place);
  switch (picture.art.shows) {
    case Shows::Sky:
      painter.fillRect(place & dirty, SkyColour());
      break;
    case Shows::Scenery:
      DrawPicture(painter, dirty, place, SceneryTop());
      break;
    case Shows::SceneryPiece:
      DrawPicture(painter, dirty, place, SceneryPiece(picture.art.index));
      break;
    case Shows::DuckFrames:
      DrawPicture(painter, dirty, place,
                  DuckFrame(static_cast<DuckColour>(picture.art.index), picture.frame));
      break;
    case Shows::Label:
      break;  // drawn between the layers, as text
  }
}

void PlayField::DrawLayers(QPainter& painter, const QRect& dirty, Layers layers) const {
  // The layers below the message never change: they are the background, laid once.
  if (layers != Layers::AboveMessage) {
    painter.drawImage(QPoint(0, 0), background_);
  }
  if (layers == Layers::BelowMessage) {
    return;
  }
  // Going up the stack from the message.
  for (std::size_t i = kMessageLayer; i-- > 0;) {
    DrawArt(painter, dirty, view_.pictures().at(i));
  }
}

void PlayField::DrawMessage(QPainter& painter, const QRect& dirty) {
  const LabelView& message = view_.label(LabelId::lblMessage);
  const QRect rect = MessageRect();
  if (message.visible && rect.intersects(dirty)) {
    painter.setPen(kMessageWhite);
    message_.Draw(painter, rect, message.caption);
  }
}

void PlayField::paintEvent(QPaintEvent* event) {
  const QRect dirty = event->rect();
  QPainter painter(this);
  // The scale of what is painted on, which need not be the screen's: a grab of the field at
  // one pixel per art pixel is painted at 1.
  const qreal scale = painter.deviceTransform().m11();
  if (!IsWholeFactor(scale)) {
    PaintAveraged(painter, dirty, scale);
    return;
  }
  // Pixel art: at a scale factor of 2 each art pixel becomes a 2 x 2 block, never a blur.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // Bottom to top; the painter's clip is the part that changed.
  DrawLayers(painter, dirty, Layers::BelowMessage);
  DrawMessage(painter, dirty);
  DrawLayers(painter, dirty, Layers::AboveMessage);
  artCurrent_ = false;
}

void PlayField::UpdateArt(const QRect& dirty) {
  if (art_.isNull()) {
    for (QImage* image : {&art_, &below_, &above_}) {
      *image = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    }
  }
  const QRect changed = artCurrent_ ? dirty & rect() : rect();
  artCurrent_ = true;
  {
    QPainter below(&below_);
    below.setClipRect(changed);
    DrawLayers(below, changed, Layers::BelowMessage);
  }
  {
    QPainter above(&above_);
    above.setCompositionMode(QPainter::CompositionMode_Source);
    above.fillRect(changed, Qt::transparent);
    above.setCompositionMode(QPainter::CompositionMode_SourceOver);
    above.setClipRect(changed);
    DrawLayers(above, changed, Layers::AboveMessage);
  }
  QPainter art(&art_);
  art.setCompositionMode(QPainter::CompositionMode_Source);
  art.drawImage(changed.topLeft(), below_, changed);
  art.setCompositionMode(QPainter::CompositionMode_SourceOver);
  art.drawImage(changed.topLeft(), above_, changed);
}

void PlayField::PaintAveraged(QPainter& painter, const QRect& dirty, qreal scale) {
  UpdateArt(dirty);
  // The field starts on a whole device pixel, the one nearest to where the window puts it,
  // so that every art pixel covers the same area of the screen.
  const QTransform toDevice = painter.deviceTransform();
  const QPointF exactOrigin = toDevice.map(QPointF(0, 0));
  const QPoint origin = exactOrigin.toPoint();
  const QRect device = DeviceRect(dirty, scale).translated(origin);
  // Device pixels of the message label's rows, whole ones only: there its text lies between
  // the art below and the art above it, drawn sharp at the screen's own scale.
  const QRect message = MessageRect();
  const int bandTop = static_cast<int>(std::ceil(message.top() * scale)) + origin.y();
  const int bandBottom = static_cast<int>(std::floor((message.bottom() + 1) * scale)) + origin.y();
  const QRect band = QRect(device.left(), bandTop, device.width(), bandBottom - bandTop) & device;
  const bool text = view_.label(LabelId::lblMessage).visible && !band.isEmpty();

  painter.save();
  painter.setWorldTransform(toDevice.inverted());  // draw in device pixels
  painter.drawImage(device.topLeft(), ScaleArt(art_, scale, origin, device));
  if (text) {
    painter.drawImage(band.topLeft(), ScaleArt(below_, scale, origin, band));
    painter.restore();
    DrawMessage(painter, dirty);
    painter.save();
    painter.setWorldTransform(toDevice.inverted());
    painter.drawImage(band.topLeft(), ScaleArt(above_, scale, origin, band));
  }
  painter.restore();
}

QRect PlayField::MessageRect() { return PixelRect(Spec(LabelId::lblMessage).rect); }

ClientArea::ClientArea(const View& view, GameHost& host, QWidget* parent)
    : QWidget(parent),
      view_(view),
      host_(host),
      field_(new PlayField(view, this)),
      statusFont_(StatusFont()) {
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
  painter.setFont(statusFont_);
  for (const LabelSpec& spec : kLabelTable) {
    const LabelView& label = view_.label(spec.id);
    const QRect rect = PixelRect(spec.rect);
    if (spec.id == LabelId::lblMessage || !label.visible || !event->region().intersects(rect)) {
      continue;
    }
    DrawStatusText(painter, rect, Text(label.caption));
  }
}

// Presses on the play field reach here too: the field leaves them to its parent.
void ClientArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    Press(event->position());
  }
}

void ClientArea::Press(QPointF clientPx) {
  host_.Send(HostEvent::Press(clientPx.x(), clientPx.y()));
}

// A real double-click arrives as press, release, double-click, release: the first press was
// the click, this is the double-click.
void ClientArea::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    host_.Send(HostEvent::Of(HostEvent::Kind::DoubleClick));
  }
}

}  // namespace reedfall::app
