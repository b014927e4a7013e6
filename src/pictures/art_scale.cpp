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
// NOLINTNEXTLINE(bugprone-incorrect-roundings): the rounding every host has shown
int Rounded(float value) { return static_cast<int>(value + 0.5F); }

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// Whether the view's bytes hold all of its rows.
template <class View>
bool Holds(const View& view) {
  if (view.width <= 0 || view.height <= 0 || view.bytesPerLine < std::ptrdiff_t{4} * view.width) {
    return false;
  }
  const auto needed = (static_cast<std::size_t>(view.bytesPerLine) * At(view.height - 1)) +
                      (std::size_t{4} * At(view.width));
  return view.bytes.size() >= needed;
}

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

MutablePixelsView View(Image& image) {
  return {image.Bytes(), image.width(), image.height(), std::ptrdiff_t{4} * image.width(),
          kRgbaBytes};
}

void ScaleArt(PixelsView art, double factor, Point origin, const Box& device,
              MutablePixelsView out) {
  out.width = std::min(device.width, out.width);
  out.height = std::min(device.height, out.height);
  if (!Holds(out)) {
    return;
  }
  const auto line = [&out](int y) {
    return out.bytes.subspan(static_cast<std::size_t>(out.bytesPerLine) * At(y), 4 * At(out.width));
  };
  if (!Holds(art)) {
    for (int y = 0; y < out.height; ++y) {
      // std::fill, not std::ranges::fill: emscripten's libc++ 13 has no ranges algorithms.
      const std::span<std::uint8_t> bytes = line(y);
      std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
    }
    return;
  }
  const ChannelOrder from = art.order;
  const ChannelOrder to = out.order;
  const Taps xs = TapsFor(device.x, out.width, factor, origin.x, art.width);
  const Taps ys = TapsFor(device.y, out.height, factor, origin.y, art.height);
  for (int y = 0; y < out.height; ++y) {
    const std::span<std::uint8_t> target = line(y);
    for (int x = 0; x < out.width; ++x) {
      float a = 0;
      float r = 0;
      float g = 0;
      float b = 0;
      for (int j = ys.first[At(y)]; j < ys.first[At(y + 1)]; ++j) {
        const std::size_t row = static_cast<std::size_t>(art.bytesPerLine) * At(ys.index[At(j)]);
        for (int i = xs.first[At(x)]; i < xs.first[At(x + 1)]; ++i) {
          const float share = ys.share[At(j)] * xs.share[At(i)];
          const std::size_t p = row + (4 * At(xs.index[At(i)]));
          a += share * static_cast<float>(art.bytes[p + from.a]);
          r += share * static_cast<float>(art.bytes[p + from.r]);
          g += share * static_cast<float>(art.bytes[p + from.g]);
          b += share * static_cast<float>(art.bytes[p + from.b]);
        }
      }
      // Premultiplied: no colour above the alpha, also after rounding.
      const int alpha = std::min(Rounded(a), 255);
      const std::size_t q = 4 * At(x);
      target[q + to.a] = static_cast<std::uint8_t>(alpha);
      target[q + to.r] = static_cast<std::uint8_t>(std::min(Rounded(r), alpha));
      target[q + to.g] = static_cast<std::uint8_t>(std::min(Rounded(g), alpha));
      target[q + to.b] = static_cast<std::uint8_t>(std::min(Rounded(b), alpha));
    }
  }
}

Image ScaleArt(const Image& art, double factor, Point origin, const Box& device) {
  Image out(device.width, device.height);
  ScaleArt(View(art), factor, origin, device, View(out));
  return out;
}

}  // namespace reedfall::pictures
