// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures for the Qt window: the duck frames of both colours, the scenery, the
// window icon and the crosshair pointer, as pictures/pictures.h makes them for every host. Every
// function hands out a cached, implicitly shared image in QImage::Format_ARGB32_Premultiplied
// with real transparency.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include "pictures/image.h"
#include "pictures/pictures.h"
#include "pictures/scenery.h"
#include "world/sprites.h"

namespace reedfall::app {

// The sky behind the scenery is one flat colour; the window paints it as a filled rectangle.
inline constexpr QRgb kSkyRgb =
    qRgb(pictures::kSkyColour.r, pictures::kSkyColour.g, pictures::kSkyColour.b);
QColor SkyColour();

// Frame `index` (0 to 10) of the duck of `colour`, at the size the frame table gives it.
// An index outside 0 to 10 yields a null image.
QImage DuckFrame(DuckColour colour, int index);

// The scenery in front of the sky: a tree at each side, a bush, grass and soil (489 x 164).
QImage SceneryTop();

// The three pieces of the scenery that are drawn again above the blue duck so that it flies
// behind them, cut from SceneryTop() where pictures/scenery.h says:
//   0: the left-hand tree with its grass (68 x 164);
//   1: the right-hand tree with its grass (69 x 164);
//   2: the grass band with the bush (489 x 72).
// Any other element yields a null image.
inline constexpr int kSceneryPieceCount = pictures::kSceneryPieceCount;
QImage SceneryPiece(int element);

// The window and program icon: the blue duck hit, 32 x 32, fewer than 256 colours.
QImage WindowIcon();
// The same duck drawn again for 16 x 16, where a shrunk 32 would blur into a smudge.
QImage SmallWindowIcon();
// Both, for the window system to pick the size it shows. Once the application exists.
QIcon WindowIcons();

// The pointer over the play field, 32 x 32; its hot spot is the red dot in the middle.
inline constexpr QPoint kCrosshairHotSpot{pictures::kCrosshairHotSpot.x,
                                          pictures::kCrosshairHotSpot.y};
QImage Crosshair();
QPoint CrosshairHotSpot();

// A picture of the shared library as a QImage of its own, in the format above.
QImage ToQImage(const pictures::Image& image);

constexpr QRect ToQRect(const pictures::Box& box) { return {box.x, box.y, box.width, box.height}; }
constexpr pictures::Box ToBox(const QRect& rect) {
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace reedfall::app
