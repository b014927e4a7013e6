// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The play field as the web page shows it: two layers of RGBA pixels, the one below the message
// label (the sky and the scenery, which never change) and the one above it (the blue duck, the
// three scenery pieces and the red duck, on clear pixels), so that the page can lay the
// message's text between them as the desktop window does. The field draws the game's view
// (live/view.h) and redraws only the places that the view says changed; the page copies those
// rectangles into its two canvases.
#pragma once

#include <cstdint>
#include <vector>

#include "live/view.h"
#include "pictures/image.h"

namespace reedfall::web {

enum class Layer : std::uint8_t { BelowMessage, AboveMessage };

class Field {
 public:
  explicit Field(const View& view);

  // Device pixels per art pixel: a whole number shows the art as it is (the page enlarges it
  // in blocks); below 1 every device pixel averages the art under it. Everything is redrawn.
  void SetFactor(double factor);
  [[nodiscard]] double factor() const { return factor_; }

  // Redraws the places, in pixels of the client area, where the view changed.
  void Redraw(const std::vector<PixelBounds>& places);

  // The rectangles redrawn since the last call, in the layers' pixels, and forgets them. The
  // layer below the message changes only with the factor: then the one rectangle is the whole.
  std::vector<pictures::Box> TakeChanged();
  [[nodiscard]] bool belowChanged() const { return belowChanged_; }

  // A layer as the page copies it: straight RGBA bytes, width() x height().
  [[nodiscard]] const pictures::Image& Pixels(Layer layer) const;
  [[nodiscard]] int width() const;
  [[nodiscard]] int height() const;

 private:
  // Draws the pictures on one side of the message label, bottom to top, within `clip`.
  void DrawLayer(pictures::Image& onto, Layer layer, const pictures::Box& clip) const;
  // Redraws the layer above the message in `art`, in art pixels, and its averaged copy.
  void RedrawAbove(const pictures::Box& art);

  const View& view_;
  pictures::Image below_;  // at art size
  pictures::Image above_;
  double factor_ = 1;
  pictures::Image belowScaled_;  // at device size, for a factor below 1
  pictures::Image aboveScaled_;
  std::vector<pictures::Box> changed_;
  bool belowChanged_ = true;
};

}  // namespace reedfall::web
