// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Places of the client area in pixels, as QRect: the window paints where live/view.h says.
#pragma once

#include <QRect>

#include "world/controls.h"
#include "world/pixels.h"

namespace reedfall::app {

inline QRect PixelRect(const PixelBounds& pixels) {
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

inline QRect PixelRect(const Rect& twips) { return PixelRect(PixelsOf(twips)); }

inline QRect PixelRect(const Picture& picture) { return PixelRect(RectOf(picture)); }

}  // namespace reedfall::app
