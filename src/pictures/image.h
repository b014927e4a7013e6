// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture as every host can take it: straight RGBA bytes, row after row, no padding. The Qt
// window wraps it in a QImage; a canvas takes the bytes as they are for its ImageData. Pixel art
// is fully opaque or fully transparent (0, 0, 0, 0), so straight and premultiplied agree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace reedfall::pictures {

struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;

  friend constexpr bool operator==(Rgba, Rgba) = default;
};
static_assert(sizeof(Rgba) == 4, "a pixel is four bytes, as a canvas reads them");

constexpr Rgba Opaque(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {r, g, b, 255}; }

// Points and rectangles in pixels, origin top-left, y growing downward.
struct Point {
  int x = 0;
  int y = 0;

  friend constexpr bool operator==(Point, Point) = default;
};

struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  [[nodiscard]] constexpr bool IsEmpty() const { return width <= 0 || height <= 0; }
  [[nodiscard]] constexpr bool Contains(Point p) const {
    return x <= p.x && p.x < x + width && y <= p.y && p.y < y + height;
  }
  friend constexpr bool operator==(const Box&, const Box&) = default;
};

class Image {
 public:
  Image() = default;
  // All transparent. A negative size gives the empty image.
  Image(int width, int height);

  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] bool IsEmpty() const { return pixels_.empty(); }
  [[nodiscard]] Box Rect() const { return {0, 0, width_, height_}; }

  // (x, y) must lie inside the image.
  [[nodiscard]] Rgba Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int x, int y, Rgba colour) { pixels_[Index(x, y)] = colour; }

  [[nodiscard]] std::span<const Rgba> Pixels() const { return pixels_; }
  [[nodiscard]] std::span<Rgba> Pixels() { return pixels_; }
  // width() * height() * 4 bytes: R, G, B, A of each pixel, left to right, top to bottom.
  [[nodiscard]] std::span<const std::uint8_t> Bytes() const;
  [[nodiscard]] std::span<std::uint8_t> Bytes();

  friend bool operator==(const Image&, const Image&) = default;

 private:
  [[nodiscard]] std::size_t Index(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Rgba> pixels_;
};

// Left and right swapped.
Image Mirrored(const Image& image);

// The pixels of `image` under `box`, `box`'s size; where it reaches beyond the image, transparent.
Image Copy(const Image& image, const Box& box);

}  // namespace reedfall::pictures
