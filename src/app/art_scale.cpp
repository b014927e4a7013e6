// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/art_scale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace reedfall::app {

namespace {

// A share below this is rounding noise of the division, not a covered part.
constexpr double kNoShare = 1e-9;

// For each device coordinate of a run, the art coordinates it covers and their shares of it.
struct Taps {
  std::vector<int> first;  // per device coordinate, where its taps begin; one more at the end
  std::vector<int> index;
  std::vector<float> share;
};

Taps TapsFor(int deviceFirst, int count, qreal factor, int origin, int artSize) {
  Taps taps;
  taps.first.reserve(static_cast<std::size_t>(count) + 1);
  for (int d = deviceFirst; d < deviceFirst + count; ++d) {
    taps.first.push_back(static_cast<int>(taps.index.size()));
    const double from = std::clamp((d - origin) / factor, 0.0, static_cast<double>(artSize));
    const double to = std::clamp((d + 1 - origin) / factor, 0.0, static_cast<double>(artSize));
    if (to - from <= kNoShare) {
      // Wholly beyond the art: the nearest art pixel stands in.
      taps.index.push_back(std::clamp(static_cast<int>(from), 0, artSize - 1));
      taps.share.push_back(1.0F);
      continue;
    }
    for (int a = static_cast<int>(std::floor(from)); a < to; ++a) {
      const double covered = std::min<double>(a + 1, to) - std::max<double>(a, from);
      if (covered > kNoShare) {
        taps.index.push_back(a);
        taps.share.push_back(static_cast<float>(covered / (to - from)));
      }
    }
  }
  taps.first.push_back(static_cast<int>(taps.index.size()));
  return taps;
}

}  // namespace

bool IsWholeFactor(qreal factor) {
  return factor >= 1 && std::abs(factor - std::round(factor)) < 1e-6;
}

QImage ScaleArt(const QImage& art, qreal factor, QPoint origin, const QRect& device) {
  QImage out(device.size(), QImage::Format_ARGB32_Premultiplied);
  if (art.isNull() || device.isEmpty()) {
    out.fill(Qt::transparent);
    return out;
  }
  const QImage source = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const Taps xs = TapsFor(device.left(), device.width(), factor, origin.x(), source.width());
  const Taps ys = TapsFor(device.top(), device.height(), factor, origin.y(), source.height());
  for (int y = 0; y < device.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < device.width(); ++x) {
      float a = 0;
      float r = 0;
      float g = 0;
      float b = 0;
      for (int j = ys.first[y]; j < ys.first[y + 1]; ++j) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(ys.index[j]));
        for (int i = xs.first[x]; i < xs.first[x + 1]; ++i) {
          const float share = ys.share[j] * xs.share[i];
          const QRgb p = row[xs.index[i]];
          a += share * static_cast<float>(qAlpha(p));
          r += share * static_cast<float>(qRed(p));
          g += share * static_cast<float>(qGreen(p));
          b += share * static_cast<float>(qBlue(p));
        }
      }
      // Premultiplied: no colour above the alpha, also after rounding.
      const int alpha = std::min(qRound(a), 255);
      line[x] = qRgba(std::min(qRound(r), alpha), std::min(qRound(g), alpha),
                      std::min(qRound(b), alpha), alpha);
    }
  }
  return out;
}

QRect DeviceRect(const QRect& art, qreal factor) {
  const int left = static_cast<int>(std::floor(art.left() * factor));
  const int top = static_cast<int>(std::floor(art.top() * factor));
  const int right = static_cast<int>(std::ceil((art.right() + 1) * factor));
  const int bottom = static_cast<int>(std::ceil((art.bottom() + 1) * factor));
  return {left, top, right - left, bottom - top};
}

QImage ScaleArt(const QImage& art, qreal factor) {
  const QSize size(qRound(art.width() * factor), qRound(art.height() * factor));
  QImage scaled = ScaleArt(art, factor, QPoint(), QRect(QPoint(), size));
  scaled.setDevicePixelRatio(factor);
  return scaled;
}

}  // namespace reedfall::app
