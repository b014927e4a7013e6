// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Twips to pixels, as every host paints the field. A click lands at the twips of its pixel's
// top-left corner, so a picture is painted from the first whole pixel at or after its Left and
// Top: then the pixels painted for it are exactly those whose clicks fall inside its rectangle,
// also where the rules leave a duck between two pixels.
#pragma once

#include <cmath>

#include "world/controls.h"

namespace reedfall {

inline int PixelOf(double twips) { return static_cast<int>(std::ceil(twips / kTwipsPerPixel)); }

struct PixelBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const PixelBounds&, const PixelBounds&) = default;
};

inline PixelBounds PixelsOf(const Rect& twips) {
  const int left = PixelOf(twips.left);
  const int top = PixelOf(twips.top);
  return {left, top, PixelOf(twips.left + twips.width) - left,
          PixelOf(twips.top + twips.height) - top};
}

inline PixelBounds PixelsOf(const Picture& picture) { return PixelsOf(RectOf(picture)); }

// The play field ends where its lowest picture ends; the status area lies below it.
inline constexpr int kFieldBottomTwips = 5580;

}  // namespace reedfall
