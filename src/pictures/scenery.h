// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the scenery lies on the play field, in pixels, and where its three pieces are cut from
// the top picture. The places are the controls' rectangles; the only numbers of the art's own
// are how far the pieces are shifted against the top.
#pragma once

#include <array>
#include <cstddef>

#include "pictures/image.h"
#include "world/controls.h"

namespace reedfall::pictures {

// Whether a picture's rectangle lies on whole pixels, as the scenery's do.
constexpr bool OnWholePixels(const Picture& place) {
  const auto whole = [](double twips) {
    return twips == static_cast<double>(static_cast<int>(twips)) &&
           static_cast<int>(twips) % kTwipsPerPixel == 0;
  };
  return whole(place.Left) && whole(place.Top) && whole(place.Width) && whole(place.Height);
}

// A picture's rectangle in pixels of the client area; for one that lies on whole pixels.
constexpr Box PixelBox(const Picture& place) {
  return {static_cast<int>(place.Left) / kTwipsPerPixel,
          static_cast<int>(place.Top) / kTwipsPerPixel, place.Width / kTwipsPerPixel,
          place.Height / kTwipsPerPixel};
}

// The pieces repeat parts of the top above the blue duck so that it flies behind the trees and
// the grass. The right-hand tree is drawn two pixels left of where the top has it, the grass
// band with the bush four pixels higher; the left-hand tree where the top has it.
struct SceneryPieceSpec {
  Picture place;  // the control Image1(element)
  Point shift;    // pixels left and up of where the top has the same art
};

inline constexpr int kSceneryPieceCount = 3;

inline constexpr std::array<SceneryPieceSpec, kSceneryPieceCount> kSceneryPieces{{
    {kImage1_0, {0, 0}},
    {kImage1_1, {2, 0}},
    {kImage1_2, {0, 4}},
}};

constexpr Box SceneryTopPlace() { return PixelBox(kImgTop); }

// Where piece `element` (0 to 2) lies on the play field, in pixels.
constexpr Box SceneryPiecePlace(int element) {
  return PixelBox(kSceneryPieces.at(static_cast<std::size_t>(element)).place);
}

// Where piece `element` (0 to 2) is cut from the top: its place, moved into the top's pixels
// and by its shift.
constexpr Box SceneryPieceCut(int element) {
  const Box place = SceneryPiecePlace(element);
  const Box top = SceneryTopPlace();
  const Point shift = kSceneryPieces.at(static_cast<std::size_t>(element)).shift;
  return {place.x - top.x + shift.x, place.y - top.y + shift.y, place.width, place.height};
}

namespace detail {
constexpr bool CutsLieOnTheTop() {
  const Box top = SceneryTopPlace();
  for (int e = 0; e < kSceneryPieceCount; ++e) {
    const Box cut = SceneryPieceCut(e);
    if (!OnWholePixels(kSceneryPieces.at(static_cast<std::size_t>(e)).place) || cut.x < 0 ||
        cut.y < 0 || cut.x + cut.width > top.width || cut.y + cut.height > top.height) {
      return false;
    }
  }
  return OnWholePixels(kImgTop);
}
}  // namespace detail
static_assert(detail::CutsLieOnTheTop(), "every piece is cut from within the top picture");

}  // namespace reedfall::pictures
