// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel art at any scale factor, the same in every host. At a whole factor every art pixel
// becomes a block of device pixels, nearest-neighbour. At a fractional one nearest-neighbour
// would make the blocks uneven (1.5: one and two device pixels side by side), so every device
// pixel instead takes the colours of the art pixels under it, each weighted by the share of the
// device pixel that it covers: what enlarging by the next whole factor and then averaging down
// to the real one gives, in one pass. Every art pixel then carries the same weight on screen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "pictures/image.h"

namespace reedfall::pictures {

// True for 1, 2, 3...: the art needs no averaging there.
bool IsWholeFactor(double factor);

// The device pixels that art pixels `art` touch at `factor`, origin at device pixel 0.
Box DeviceRect(const Box& art, double factor);

// Where each channel lies within a pixel's four bytes.
struct ChannelOrder {
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
  std::uint8_t a;
};
inline constexpr ChannelOrder kRgbaBytes{0, 1, 2, 3};

// Four-byte pixels in a host's own buffer, `bytesPerLine` apart from row to row, so that a
// host scales its own pictures without copying them first. A view whose bytes are too few for
// its size counts as empty.
struct PixelsView {
  std::span<const std::uint8_t> bytes;
  int width = 0;
  int height = 0;
  std::ptrdiff_t bytesPerLine = 0;
  ChannelOrder order = kRgbaBytes;
};

struct MutablePixelsView {
  std::span<std::uint8_t> bytes;
  int width = 0;
  int height = 0;
  std::ptrdiff_t bytesPerLine = 0;
  ChannelOrder order = kRgbaBytes;
};

PixelsView View(const Image& image);
MutablePixelsView View(Image& image);

// The device pixels `device` of `art` shown at `factor`, with the art's top-left corner on
// device pixel `origin`: device pixel d covers art pixels [(d - origin) / factor,
// (d + 1 - origin) / factor). `out` is device's size. Art and result are premultiplied (for
// the opaque-or-clear pixels of the drawn art, the same as straight); where a device pixel
// reaches beyond the art, only the art's part counts. Empty art gives transparent pixels; only
// the pixels of `out` that lie within device's size are written.
void ScaleArt(PixelsView art, double factor, Point origin, const Box& device,
              MutablePixelsView out);

// The same into a new image of device's size, in RGBA bytes.
Image ScaleArt(const Image& art, double factor, Point origin, const Box& device);

}  // namespace reedfall::pictures
