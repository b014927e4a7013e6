// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// reedfall-sheets OUTPUT_FOLDER: draws the review sheets of the game's pictures,
//   sprites.png: every duck frame, the icon and the pointer, at 1x and 4x, labelled;
//   field.png:   the play field composed as the window draws it, with a duck of each colour.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "app/qt_pictures.h"
#include "pictures/scenery.h"
#include "pixel_font.h"
#include "world/controls.h"
#include "world/sprites.h"

namespace {

using reedfall::DuckColour;
namespace pictures = reedfall::pictures;
namespace sheets = reedfall::sheets;

constexpr int kZoom = 4;
constexpr int kMargin = 16;
constexpr int kLabelScale = 2;
constexpr int kLabelHeight = sheets::kGlyphHeight * kLabelScale;
constexpr QRgb kBackground = qRgb(44, 48, 58);
constexpr QRgb kLabelColour = qRgb(220, 224, 232);
constexpr QRgb kNoteColour = qRgb(150, 156, 170);

// The play field as the window lays it out, in pixels of its client area.
constexpr QSize kClientArea{reedfall::kClientWidth / reedfall::kTwipsPerPixel,
                            reedfall::kClientHeight / reedfall::kTwipsPerPixel};

QImage Zoomed(const QImage& image, int zoom) {
  return image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Draws `picture` at 1x and at 4x on sky-coloured boxes, the 4x box `box4` big, with a label
// above and `note` beside the 1x copy. Returns the height used.
int DrawCell(QPainter& painter, QImage& sheet, QPoint at, const QString& label,
             const QImage& picture, QSize box4, const QString& note) {
  painter.end();
  sheets::DrawText(sheet, at, label, kLabelScale, QColor::fromRgb(kLabelColour));
  painter.begin(&sheet);
  const int top4 = at.y() + kLabelHeight + 6;
  painter.fillRect(QRect(QPoint(at.x(), top4), box4), reedfall::app::SkyColour());
  painter.drawImage(QPoint(at.x(), top4), Zoomed(picture, kZoom));
  const int top1 = top4 + box4.height() + 8;
  const QSize box1 = box4 / kZoom;
  painter.fillRect(QRect(QPoint(at.x(), top1), box1), reedfall::app::SkyColour());
  painter.drawImage(QPoint(at.x(), top1), picture);
  painter.end();
  sheets::DrawText(sheet,
                   QPoint(at.x() + box1.width() + 8, top1 + (box1.height() - kLabelHeight) / 2),
                   note, kLabelScale, QColor::fromRgb(kNoteColour));
  painter.begin(&sheet);
  return top1 + box1.height() - at.y();
}

QString SizeNote(const QImage& image) {
  return QStringLiteral("%1X%2").arg(image.width()).arg(image.height());
}

QImage SpriteSheet() {
  const QSize frameBox4(34 * kZoom, 31 * kZoom);
  const int cellWidth = frameBox4.width() + kMargin;
  const int rowHeight = kLabelHeight + 6 + frameBox4.height() + 8 + 31 + 24;
  const int width = kMargin + reedfall::kFrameCount * cellWidth;
  const int titleHeight = 3 * sheets::kGlyphHeight + 20;
  const int height =
      kMargin + titleHeight + 2 * rowHeight + kLabelHeight + 6 + 32 * kZoom + 8 + 32 + kMargin;

  QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(kBackground);
  sheets::DrawText(sheet, QPoint(kMargin, kMargin),
                   QStringLiteral("Reedfall: duck frames with icon and pointer"), 3,
                   QColor::fromRgb(kLabelColour));

  QPainter painter(&sheet);
  int y = kMargin + titleHeight;
  for (const DuckColour colour : {DuckColour::Blue, DuckColour::Red}) {
    const QString name =
        colour == DuckColour::Blue ? QStringLiteral("blue") : QStringLiteral("red");
    for (int index = 0; index < reedfall::kFrameCount; ++index) {
      const QImage frame = reedfall::app::DuckFrame(colour, index);
      DrawCell(painter, sheet, QPoint(kMargin + index * cellWidth, y),
               QStringLiteral("%1 %2").arg(name).arg(index), frame, frameBox4, SizeNote(frame));
    }
    y += rowHeight;
  }

  const QSize box4(32 * kZoom, 32 * kZoom);
  const QImage icon = reedfall::app::WindowIcon();
  DrawCell(painter, sheet, QPoint(kMargin, y), QStringLiteral("icon"), icon, box4, SizeNote(icon));
  const QImage pointer = reedfall::app::Crosshair();
  const QPoint hot = reedfall::app::CrosshairHotSpot();
  DrawCell(painter, sheet, QPoint(kMargin + 2 * cellWidth, y), QStringLiteral("pointer"), pointer,
           box4,
           QStringLiteral("%1 hot spot %2,%3").arg(SizeNote(pointer)).arg(hot.x()).arg(hot.y()));
  return sheet;
}

QImage FieldSheet() {
  QImage field(kClientArea, QImage::Format_ARGB32_Premultiplied);
  field.fill(Qt::black);
  QPainter painter(&field);
  painter.fillRect(reedfall::app::ToQRect(pictures::PixelBox(reedfall::kImgBack)),
                   reedfall::app::SkyColour());
  painter.drawImage(reedfall::app::ToQRect(pictures::SceneryTopPlace()).topLeft(),
                    reedfall::app::SceneryTop());
  // The blue duck climbs half behind the right-hand tree ...
  painter.drawImage(QPoint(403, 236), reedfall::app::DuckFrame(DuckColour::Blue, 0));
  for (int element = 0; element < reedfall::app::kSceneryPieceCount; ++element) {
    painter.drawImage(reedfall::app::ToQRect(pictures::SceneryPiecePlace(element)).topLeft(),
                      reedfall::app::SceneryPiece(element));
  }
  // ... and the red duck rises in front of the grass.
  painter.drawImage(QPoint(150, 284), reedfall::app::DuckFrame(DuckColour::Red, 4));
  return field;
}

bool Save(const QImage& image, const QString& path) {
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "reedfall-sheets: cannot write %s\n", qPrintable(path));
    return false;
  }
  if (QImage(path).size() != image.size()) {
    std::fprintf(stderr, "reedfall-sheets: %s did not read back\n", qPrintable(path));
    return false;
  }
  std::printf("wrote %s (%dx%d)\n", qPrintable(path), image.width(), image.height());
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: reedfall-sheets OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir out(args.at(1));
  if (!out.exists() && !QDir().mkpath(out.path())) {
    std::fprintf(stderr, "reedfall-sheets: cannot make %s\n", qPrintable(out.path()));
    return 1;
  }
  const bool ok = Save(SpriteSheet(), out.filePath(QStringLiteral("sprites.png"))) &&
                  Save(FieldSheet(), out.filePath(QStringLiteral("field.png")));
  return ok ? 0 : 1;
}
