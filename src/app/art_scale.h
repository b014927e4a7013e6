// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel art at any scale factor. At a whole factor every art pixel becomes a block of device
// pixels, nearest-neighbour. At a fractional one nearest-neighbour would make the blocks uneven
// (1.5: one and two device pixels side by side), so every device pixel instead takes the colours
// of the art pixels under it, each weighted by the share of the device pixel that it covers:
// what enlarging by the next whole factor and then averaging down to the real one gives, in one
// pass. Every art pixel then carries the same weight on screen.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace reedfall::app {

// True for 1, 2, 3...: the art needs no averaging there.
bool IsWholeFactor(qreal factor);

// The device pixels `device` of `art` shown at `factor`, with the art's top-left corner on
// device pixel `origin`: device pixel d covers art pixels [(d - origin) / factor,
// (d + 1 - origin) / factor). The result is device.size(), premultiplied ARGB; where a device
// pixel reaches beyond the art, only the art's part counts.
QImage ScaleArt(const QImage& art, qreal factor, QPoint origin, const QRect& device);

// The device pixels that art pixels `art` touch at `factor`, origin at device pixel 0.
QRect DeviceRect(const QRect& art, qreal factor);

// The art scaled whole, at round(size * factor) device pixels, with `factor` as its device
// pixel ratio.
QImage ScaleArt(const QImage& art, qreal factor);

}  // namespace reedfall::app
