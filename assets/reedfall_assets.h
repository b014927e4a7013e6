// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures: the duck frames of both colours, the scenery, the window icon and the
// crosshair pointer. They are compiled into the program; every function hands out a cached,
// implicitly shared image in QImage::Format_ARGB32_Premultiplied with real transparency.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QRgb>

#include "world/sprites.h"

namespace reedfall::assets {

// The sky behind the scenery is one flat colour; the window paints it as a filled rectangle.
inline constexpr QRgb kSkyRgb = qRgb(32, 160, 255);
QColor SkyColour();

// Frame `index` (0 to 10) of the duck of `colour`, at the size the frame table gives it.
// An index outside 0 to 10 yields a null image.
QImage DuckFrame(DuckColour colour, int index);

// The scenery in front of the sky: a tree at each side, a bush, grass and soil (489 x 164).
QImage SceneryTop();

// The three pieces of the scenery that are drawn again above the blue duck so that it flies
// behind them, cut from SceneryTop():
//   0: the left-hand tree with its grass, its left 68 columns (68 x 164);
//   1: the right-hand tree with its grass, from column 418 on (69 x 164);
//   2: the grass band with the bush, from row 92 on (489 x 72).
// Any other element yields a null image.
inline constexpr int kSceneryPieceCount = 3;
QImage SceneryPiece(int element);

// The window and program icon: the blue duck hit, 32 x 32, fewer than 256 colours.
QImage WindowIcon();
// The same duck drawn again for 16 x 16, where a shrunk 32 would blur into a smudge.
QImage SmallWindowIcon();
// Both, for the window system to pick the size it shows. Once the application exists.
QIcon WindowIcons();

// The pointer over the play field, 32 x 32; its hot spot is the red dot in the middle.
inline constexpr QPoint kCrosshairHotSpot{15, 15};
QImage Crosshair();
QPoint CrosshairHotSpot();

}  // namespace reedfall::assets
