// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The play field as the web page shows it: two layers of RGBA pixels, the one below the message
// label (the sky and the scenery, which never change) and the one above it (the blue duck, the
// three scenery pieces and the red duck, on clear pixels), so that the page can lay the
// message's text between them as the desktop window does. The field follows the ducks and
// redraws only where they were and where they are; the page copies those rectangles into its
// two canvases.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "pictures/image.h"
#include "world/controls.h"
#include "world/pixels.h"

namespace reedfall::web {

inline constexpr int kFieldWidthPx = kClientWidth / kTwipsPerPixel;
inline constexpr int kFieldHeightPx = kFieldBottomTwips / kTwipsPerPixel;

enum class Layer : std::uint8_t { BelowMessage, AboveMessage };

class Field {
 public:
  explicit Field(const MainWindowControls& controls);

  // Device pixels per art pixel: a whole number shows the art as it is (the page enlarges it
  // in blocks); below 1 every device pixel averages the art under it. Everything is redrawn.
  void SetFactor(double factor);
  [[nodiscard]] double factor() const { return factor_; }

  // Takes a new look at the ducks and redraws where they changed.
  void Follow(const MainWindowControls& controls);

  // The rectangles redrawn since the last call, in the layers' pixels, and forgets them. The
  // layer below the message changes only with the factor: then the one rectangle is the whole.
  std::vector<pictures::Box> TakeChanged();
  [[nodiscard]] bool belowChanged() const { return belowChanged_; }

  // A layer as the page copies it: straight RGBA bytes, width() x height().
  [[nodiscard]] const pictures::Image& Pixels(Layer layer) const;
  [[nodiscard]] int width() const;
  [[nodiscard]] int height() const;

 private:
  struct DuckLook {
    pictures::Box place;
    DuckColour colour = DuckColour::Blue;
    int frame = 0;
    friend bool operator==(const DuckLook&, const DuckLook&) = default;
  };

  static DuckLook LookOf(const DuckPicture& duck);
  // Draws the controls on one side of the message label, bottom to top, within `clip`.
  void DrawLayer(pictures::Image& onto, Layer layer, const pictures::Box& clip) const;
  void DrawControl(pictures::Image& onto, const ControlRow& row, const pictures::Box& clip) const;
  // Redraws the layer above the message in `art`, in art pixels, and its averaged copy.
  void Redraw(const pictures::Box& art);

  const MainWindowControls* controls_;  // the game's, as the field last followed them
  std::array<DuckLook, 2> ducks_;       // by DuckColour: blue, red
  pictures::Image below_;               // at art size
  pictures::Image above_;
  double factor_ = 1;
  pictures::Image belowScaled_;  // at device size, for a factor below 1
  pictures::Image aboveScaled_;
  std::vector<pictures::Box> changed_;
  bool belowChanged_ = true;
};

}  // namespace reedfall::web
