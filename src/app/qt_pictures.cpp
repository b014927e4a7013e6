// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_pictures.h"

#include <QPixmap>
#include <array>
#include <cstddef>

namespace reedfall::app {
namespace {

struct Pictures {
  std::array<QImage, kFrameCount> blue;
  std::array<QImage, kFrameCount> red;
  QImage top;
  std::array<QImage, kSceneryPieceCount> pieces;
  QImage icon;
  QImage smallIcon;
  QImage crosshair;
};

Pictures Wrap() {
  Pictures p;
  for (int index = 0; index < kFrameCount; ++index) {
    const auto i = static_cast<std::size_t>(index);
    p.blue.at(i) = ToQImage(pictures::DuckFrame(DuckColour::Blue, index));
    p.red.at(i) = ToQImage(pictures::DuckFrame(DuckColour::Red, index));
  }
  p.top = ToQImage(pictures::SceneryTop());
  for (int element = 0; element < kSceneryPieceCount; ++element) {
    p.pieces.at(static_cast<std::size_t>(element)) = ToQImage(pictures::SceneryPiece(element));
  }
  p.icon = ToQImage(pictures::WindowIcon());
  p.smallIcon = ToQImage(pictures::SmallWindowIcon());
  p.crosshair = ToQImage(pictures::Crosshair());
  return p;
}

// Wrapped once, on first use, and never changed after; QImage copies share the pixels.
const Pictures& Store() {
  static const Pictures pictures = Wrap();
  return pictures;
}

}  // namespace

QImage ToQImage(const pictures::Image& image) {
  if (image.IsEmpty()) {
    return {};
  }
  // Straight RGBA bytes; the drawn pixels are opaque or clear, so premultiplying changes none.
  const QImage view(image.Bytes().data(), image.width(), image.height(),
                    qsizetype{4} * image.width(), QImage::Format_RGBA8888);
  return view.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QColor SkyColour() { return QColor::fromRgb(kSkyRgb); }

QImage DuckFrame(DuckColour colour, int index) {
  if (!IsFrameIndex(index)) {
    return {};
  }
  const auto& frames = colour == DuckColour::Red ? Store().red : Store().blue;
  return frames.at(static_cast<std::size_t>(index));
}

QImage SceneryTop() { return Store().top; }

QImage SceneryPiece(int element) {
  if (element < 0 || element >= kSceneryPieceCount) {
    return {};
  }
  return Store().pieces.at(static_cast<std::size_t>(element));
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

}  // namespace reedfall::app
