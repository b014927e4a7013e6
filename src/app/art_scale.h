// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel art at any scale factor, for the Qt window: the shared scaler of pictures/art_scale.h,
// which says how, on QImage and QRect.
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
