// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/image.h"

#include <algorithm>

namespace reedfall::pictures {

Image::Image(int width, int height) {
  if (width > 0 && height > 0) {
    width_ = width;
    height_ = height;
    pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  }
}

// Rgba is four bytes without padding, so the vector's storage is the byte layout promised.
std::span<const std::uint8_t> Image::Bytes() const {
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): the bytes of the pixels
  return {reinterpret_cast<const std::uint8_t*>(pixels_.data()), pixels_.size() * sizeof(Rgba)};
}

std::span<std::uint8_t> Image::Bytes() {
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): the bytes of the pixels
  return {reinterpret_cast<std::uint8_t*>(pixels_.data()), pixels_.size() * sizeof(Rgba)};
}

Image Mirrored(const Image& image) {
  Image mirrored(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      mirrored.SetPixel(image.width() - 1 - x, y, image.Pixel(x, y));
    }
  }
  return mirrored;
}

Image Copy(const Image& image, const Box& box) {
  Image copy(box.width, box.height);
  const int left = std::max(box.x, 0);
  const int right = std::min(box.x + box.width, image.width());
  const int top = std::max(box.y, 0);
  const int bottom = std::min(box.y + box.height, image.height());
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      copy.SetPixel(x - box.x, y - box.y, image.Pixel(x, y));
    }
  }
  return copy;
}

}  // namespace reedfall::pictures
