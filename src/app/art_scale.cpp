// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/art_scale.h"

#include <QSysInfo>
#include <cstddef>

#include "app/qt_pictures.h"
#include "pictures/art_scale.h"

namespace reedfall::app {

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// A QRgb word, 0xAARRGGBB, as it lies in memory.
constexpr pictures::ChannelOrder kQRgbBytes = QSysInfo::ByteOrder == QSysInfo::LittleEndian
                                                  ? pictures::ChannelOrder{2, 1, 0, 3}
                                                  : pictures::ChannelOrder{1, 2, 3, 0};

}  // namespace

bool IsWholeFactor(qreal factor) { return pictures::IsWholeFactor(factor); }

QImage ScaleArt(const QImage& art, qreal factor, QPoint origin, const QRect& device) {
  QImage out(device.size(), kFormat);
  if (out.isNull()) {
    return out;
  }
  // The window's own layers are in this format already: scaled where they lie, not copied.
  const QImage source = art.convertToFormat(kFormat);
  pictures::ScaleArt({{source.constBits(), static_cast<std::size_t>(source.sizeInBytes())},
                      source.width(),
                      source.height(),
                      source.bytesPerLine(),
                      kQRgbBytes},
                     factor, {origin.x(), origin.y()}, ToBox(device),
                     {{out.bits(), static_cast<std::size_t>(out.sizeInBytes())},
                      out.width(),
                      out.height(),
                      out.bytesPerLine(),
                      kQRgbBytes});
  return out;
}

QRect DeviceRect(const QRect& art, qreal factor) {
  return ToQRect(pictures::DeviceRect(ToBox(art), factor));
}

QImage ScaleArt(const QImage& art, qreal factor) {
  const QSize size(qRound(art.width() * factor), qRound(art.height() * factor));
  QImage scaled = ScaleArt(art, factor, QPoint(), QRect(QPoint(), size));
  scaled.setDevicePixelRatio(factor);
  return scaled;
}

}  // namespace reedfall::app
