// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows of the model, in pixels of the client area: the ducks' places and
// frames and the labels' texts. The window keeps the look it last painted and repaints only
// the places where a new look differs from it.
#pragma once

#include <QRect>
#include <array>
#include <string>
#include <vector>

#include "world/controls.h"
#include "world/pixels.h"

namespace reedfall::app {

inline QRect PixelRect(const Rect& twips) {
  const PixelBounds pixels = PixelsOf(twips);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

inline QRect PixelRect(const Picture& picture) { return PixelRect(RectOf(picture)); }

// Where a control of the play field lies, in pixels, and for a duck the frame it shows.
struct PictureLook {
  QRect rect;
  int frame = 0;
  bool operator==(const PictureLook&) const = default;
};

struct LabelLook {
  std::string caption;
  bool visible = false;
  bool operator==(const LabelLook&) const = default;
};

struct Look {
  std::array<PictureLook, kControlCount> pictures;  // in the order of the control table
  std::array<LabelLook, kLabelCount> labels;

  [[nodiscard]] const PictureLook& picture(Control id) const {
    return pictures.at(static_cast<std::size_t>(id));
  }
  [[nodiscard]] const LabelLook& label(LabelId id) const {
    return labels.at(static_cast<std::size_t>(id));
  }
};

Look LookOf(const MainWindowControls& controls);

// Brings `look` up to date with the model and says where it changed, in pixels of the client
// area: both places of a picture that moved or changed its frame, and the whole rectangle of a
// label whose text or visibility changed. Nothing is copied that did not change: the window
// follows the model at every step of the game.
std::vector<QRect> Follow(Look& look, const MainWindowControls& controls);

}  // namespace reedfall::app
