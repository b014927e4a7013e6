// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The duck frames as the rules see them: two colours, eleven frames each, and the size in
// pixels of every frame. The pictures themselves belong to the window; a duck's hit rectangle
// depends only on these sizes.
#pragma once

#include <array>
#include <cstdint>

namespace reedfall {

inline constexpr int kTwipsPerPixel = 15;

enum class DuckColour : std::uint8_t { Blue, Red };

inline constexpr int kFrameCount = 11;

inline constexpr int kHitFrame = 8;

struct FrameSize {
  int width;   // pixels
  int height;  // pixels
};

namespace detail {
inline constexpr FrameSize kShort{34, 29};
inline constexpr FrameSize kTall{34, 31};
// The blue duck's level-flight and wings-spread frames are two pixels shorter.
inline constexpr std::array<FrameSize, kFrameCount> kBlueFrames{
    kShort, kShort, kShort, kShort, kShort, kTall, kShort, kTall, kTall, kTall, kTall};
}  // namespace detail

constexpr bool IsFrameIndex(int index) { return index >= 0 && index < kFrameCount; }

// Size of frame `index` (0 to 10) of the given colour, in pixels.
constexpr FrameSize FrameSizePx(DuckColour colour, int index) {
  if (colour == DuckColour::Red) {
    return detail::kTall;
  }
  return detail::kBlueFrames.at(static_cast<std::size_t>(index));
}

}  // namespace reedfall
