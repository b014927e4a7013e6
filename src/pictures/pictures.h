// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures for every host: the duck frames of both colours, the scenery and its
// pieces, the icons and the crosshair pointer. Six duck poses, the scenery, the icons and the
// pointer are drawn (assets/); the mirrored frames, the red duck and the pieces are made from
// them here. Decoded once, on first use, from any thread; read-only after, so the references
// stay valid for the life of the program.
#pragma once

#include "pictures/image.h"
#include "world/sprites.h"

namespace reedfall::pictures {

// Decodes part `part` (0, 1, ...) of the pictures now, if it is not yet: false past the last
// part. Every picture is decoded on first use anyway; a host that must not stop for long calls
// this for each part in turn, one between other work, before it draws.
bool PreparePart(int part);

// The sky behind the scenery is one flat colour; the hosts fill a rectangle with it.
inline constexpr Rgba kSkyColour = Opaque(32, 160, 255);

// Frame `index` (0 to 10) of the duck of `colour`, at the size the frame table gives it.
// An index outside 0 to 10 yields an empty image.
const Image& DuckFrame(DuckColour colour, int index);

// The scenery in front of the sky: a tree at each side, a bush, grass and soil (489 x 164).
const Image& SceneryTop();

// Piece `element` of the scenery, drawn again above the blue duck (pictures/scenery.h):
//   0: the left-hand tree with its grass (68 x 164);
//   1: the right-hand tree with its grass (69 x 164);
//   2: the grass band with the bush (489 x 72).
// Any other element yields an empty image.
const Image& SceneryPiece(int element);

// The window and program icon: the blue duck hit, 32 x 32, fewer than 256 colours.
const Image& WindowIcon();
// The same duck drawn again for 16 x 16, where a shrunk 32 would blur into a smudge.
const Image& SmallWindowIcon();

// The pointer over the play field, 32 x 32; its hot spot is the red dot in the middle.
inline constexpr Point kCrosshairHotSpot{15, 15};
const Image& Crosshair();

}  // namespace reedfall::pictures
