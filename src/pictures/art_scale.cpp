// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/art_scale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace reedfall::pictures {

namespace {

// A share below this is rounding noise of the division, not a covered part.
constexpr double kNoShare = 1e-9;

// For each device coordinate of a run, the art coordinates it covers and their shares of it.
struct Taps {
  std::vector<int> first;  // per device coordinate, where its taps begin; one more at the end
  std::vector<int> index;
  std::vector<float> share;
};

Taps TapsFor(int deviceFirst, int count, double factor, int origin, int artSize) {
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

// Half up, as the hosts have always rounded the sums (no sum here is negative).
int Rounded(float value) { return static_cast<int>(value + 0.5F); }

std::size_t At(int i) { return static_cast<std::size_t>(i); }

}  // namespace

bool IsWholeFactor(double factor) {
  return factor >= 1 && std::abs(factor - std::round(factor)) < 1e-6;
}

Box DeviceRect(const Box& art, double factor) {
  const int left = static_cast<int>(std::floor(art.x * factor));
  const int top = static_cast<int>(std::floor(art.y * factor));
  const int right = static_cast<int>(std::ceil((art.x + art.width) * factor));
  const int bottom = static_cast<int>(std::ceil((art.y + art.height) * factor));
  return {left, top, right - left, bottom - top};
}

PixelsView View(const Image& image) {
  return {image.Bytes(), image.width(), image.height(), std::ptrdiff_t{4} * image.width(),
          kRgbaBytes};
}

void ScaleArt(PixelsView art, double factor, Point origin, const Box& device,
              MutablePixelsView out) {
  const int width = std::min(device.width, out.width);
  const int height = std::min(device.height, out.height);
  if (width <= 0 || height <= 0) {
    return;
  }
  const ChannelOrder to = out.order;
  if (art.bytes == nullptr || art.width <= 0 || art.height <= 0) {
    for (int y = 0; y < height; ++y) {
      std::fill_n(out.bytes + y * out.bytesPerLine, std::ptrdiff_t{4} * width, std::uint8_t{0});
    }
    return;
  }
  const ChannelOrder from = art.order;
  const Taps xs = TapsFor(device.x, width, factor, origin.x, art.width);
  const Taps ys = TapsFor(device.y, height, factor, origin.y, art.height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* line = out.bytes + y * out.bytesPerLine;
    for (int x = 0; x < width; ++x) {
      float a = 0;
      float r = 0;
      float g = 0;
      float b = 0;
      for (int j = ys.first[At(y)]; j < ys.first[At(y + 1)]; ++j) {
        const std::uint8_t* row = art.bytes + ys.index[At(j)] * art.bytesPerLine;
        for (int i = xs.first[At(x)]; i < xs.first[At(x + 1)]; ++i) {
          const float share = ys.share[At(j)] * xs.share[At(i)];
          const std::uint8_t* p = row + std::ptrdiff_t{4} * xs.index[At(i)];
          a += share * static_cast<float>(p[from.a]);
          r += share * static_cast<float>(p[from.r]);
          g += share * static_cast<float>(p[from.g]);
          b += share * static_cast<float>(p[from.b]);
        }
      }
      // Premultiplied: no colour above the alpha, also after rounding.
      const int alpha = std::min(Rounded(a), 255);
      std::uint8_t* q = line + std::ptrdiff_t{4} * x;
      q[to.a] = static_cast<std::uint8_t>(alpha);
      q[to.r] = static_cast<std::uint8_t>(std::min(Rounded(r), alpha));
      q[to.g] = static_cast<std::uint8_t>(std::min(Rounded(g), alpha));
      q[to.b] = static_cast<std::uint8_t>(std::min(Rounded(b), alpha));
    }
  }
}

Image ScaleArt(const Image& art, double factor, Point origin, const Box& device) {
  Image out(device.width, device.height);
  ScaleArt(View(art), factor, origin, device,
           {out.Bytes(), out.width(), out.height(), std::ptrdiff_t{4} * out.width(), kRgbaBytes});
  return out;
}

}  // namespace reedfall::pictures
