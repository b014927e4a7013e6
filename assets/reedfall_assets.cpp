// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reedfall_assets.h"

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QtGlobal>
#include <array>
#include <cstddef>
#include <utility>

namespace reedfall::assets {
namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// Every red frame is 31 pixels high; the poses drawn for the blue duck at 29 pixels get two
// empty rows at the bottom, so the red duck's body sits where the blue one's does.
constexpr int kRedFrameHeight = 31;

// The red duck is the blue duck in its own colours: its body is dark red where the blue one's
// is dark blue, its head black where the blue one's is purple, its wing a lighter red. Bill,
// feet, eyes and white feathers stay as they are.
constexpr std::array<std::pair<QRgb, QRgb>, 3> kBlueToRed{{
    {qRgb(0, 0, 128), qRgb(128, 0, 0)},
    {qRgb(160, 0, 128), qRgb(0, 0, 0)},
    {qRgb(40, 80, 200), qRgb(200, 48, 40)},
}};

QImage Load(const char* name) {
  const QString path = QStringLiteral(":/reedfall/") + QLatin1String(name);
  QImage image(path);
  if (image.isNull()) {
    // The pictures are compiled in; a missing one means the program was built wrongly.
    qFatal("Reedfall: the picture %s is missing from the program", qPrintable(path));
  }
  return image.convertToFormat(kFormat);
}

QImage Mirrored(const QImage& image) { return image.mirrored(true, false); }

QImage InRedColours(const QImage& blue) {
  QImage red = blue.copy(0, 0, blue.width(), kRedFrameHeight);  // new rows come out transparent
  for (int y = 0; y < red.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(red.scanLine(y));
    for (int x = 0; x < red.width(); ++x) {
      for (const auto& [from, to] : kBlueToRed) {
        if (line[x] == from) {  // pixel art: every drawn pixel is fully opaque
          line[x] = to;
          break;
        }
      }
    }
  }
  return red;
}

using Frames = std::array<QImage, kFrameCount>;

// Six poses are drawn; the rightward frames are their mirror images. The red duck beats its
// wings in the opposite phase to the blue one when it flies slowly to the right, so its frames
// 2 and 3 mirror 0 and 1 where the blue duck's mirror 1 and 0.
Frames BlueFrames() {
  Frames f;
  f[0] = Load("ducks/blue-0.xpm");
  f[1] = Load("ducks/blue-1.xpm");
  f[2] = Mirrored(f[1]);
  f[3] = Mirrored(f[0]);
  f[4] = Load("ducks/blue-4.xpm");
  f[5] = Load("ducks/blue-5.xpm");
  f[6] = Mirrored(f[4]);
  f[7] = Mirrored(f[5]);
  f[8] = Load("ducks/blue-8.xpm");
  f[9] = Load("ducks/blue-9.xpm");
  f[10] = Mirrored(f[9]);
  return f;
}

Frames RedFrames(const Frames& blue) {
  Frames f;
  for (const int pose : {0, 1, 4, 5, 8, 9}) {
    f[static_cast<std::size_t>(pose)] = InRedColours(blue[static_cast<std::size_t>(pose)]);
  }
  f[2] = Mirrored(f[0]);
  f[3] = Mirrored(f[1]);
  f[6] = Mirrored(f[4]);
  f[7] = Mirrored(f[5]);
  f[10] = Mirrored(f[9]);
  return f;
}

// Where the pieces drawn above the blue duck are cut from the scenery.
constexpr std::array<QRect, kSceneryPieceCount> kPieceCuts{{
    QRect(0, 0, 68, 164),
    QRect(418, 0, 69, 164),
    QRect(0, 92, 489, 72),
}};

struct Pictures {
  Frames blue;
  Frames red;
  QImage top;
  std::array<QImage, kSceneryPieceCount> pieces;
  QImage icon;
  QImage smallIcon;
  QImage crosshair;
};

Pictures LoadAll() {
  Pictures p;
  p.blue = BlueFrames();
  p.red = RedFrames(p.blue);
  p.top = Load("scenery/top.xpm");
  for (std::size_t i = 0; i < p.pieces.size(); ++i) {
    p.pieces[i] = p.top.copy(kPieceCuts[i]);
  }
  p.icon = Load("icon/reedfall.xpm");
  p.smallIcon = Load("icon/reedfall-16.xpm");
  p.crosshair = Load("cursor/crosshair.xpm");
  return p;
}

// Loaded once, on first use, and never changed after; QImage copies share the pixels.
const Pictures& Store() {
  static const Pictures pictures = LoadAll();
  return pictures;
}

}  // namespace

QColor SkyColour() { return QColor::fromRgb(kSkyRgb); }

QImage DuckFrame(DuckColour colour, int index) {
  if (!IsFrameIndex(index)) {
    return {};
  }
  const Frames& frames = colour == DuckColour::Red ? Store().red : Store().blue;
  return frames[static_cast<std::size_t>(index)];
}

QImage SceneryTop() { return Store().top; }

QImage SceneryPiece(int element) {
  if (element < 0 || element >= kSceneryPieceCount) {
    return {};
  }
  return Store().pieces[static_cast<std::size_t>(element)];
}

QImage WindowIcon() { return Store().icon; }

QImage SmallWindowIcon() { return Store().smallIcon; }

QIcon WindowIcons() {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(SmallWindowIcon()));
  icon.addPixmap(QPixmap::fromImage(WindowIcon()));
  return icon;
}

QImage Crosshair() { return Store().crosshair; }

QPoint CrosshairHotSpot() { return kCrosshairHotSpot; }

}  // namespace reedfall::assets
