// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a real-time host shows of the game, and what changed since it last asked: the pictures
// of the play field in stacking order, each with its place in pixels of the client area and,
// for a duck, its frame; the message label's place in that stack, where a host lays its text
// between the pictures below and those above; and the labels' texts and whether they show. The
// window and the page only turn it into pixels.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "world/controls.h"
#include "world/pixels.h"

namespace reedfall {

struct PictureView {
  Control id = Control::imgback;
  Art art{Shows::Sky};
  PixelBounds place;
  int frame = 0;  // a duck's; 0 for every other picture
  friend bool operator==(const PictureView&, const PictureView&) = default;
};

struct LabelView {
  std::string caption;
  bool visible = false;
  friend bool operator==(const LabelView&, const LabelView&) = default;
};

// The message label's row in the control table: the rows before it lie above its text, those
// after it below.
constexpr std::size_t MessageLayer() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (kControls.at(i).art.shows == Shows::Label) {
      return i;
    }
  }
  return kControls.size();
}
inline constexpr std::size_t kMessageLayer = MessageLayer();
static_assert(kMessageLayer < kControls.size(), "the message label lies in the stack");

// The client area and the field in pixels.
inline constexpr int kClientWidthPx = kClientWidth / kTwipsPerPixel;
inline constexpr int kClientHeightPx = kClientHeight / kTwipsPerPixel;
inline constexpr int kFieldHeightPx = kFieldBottomTwips / kTwipsPerPixel;

class View {
 public:
  // Everything counts as changed.
  explicit View(const MainWindowControls& controls);

  // Takes a new look at the controls and notes what differs from the last.
  void Follow(const MainWindowControls& controls);
  // Everything counts as changed again, as for a host that has laid itself out anew.
  void ChangeAll();

  // Topmost first, in the order of the control table.
  [[nodiscard]] const std::array<PictureView, kControlCount>& pictures() const { return pictures_; }
  [[nodiscard]] const PictureView& picture(Control id) const {
    return pictures_.at(static_cast<std::size_t>(id));
  }
  [[nodiscard]] const LabelView& label(LabelId id) const {
    return labels_.at(static_cast<std::size_t>(id));
  }

  // The places, in pixels of the client area, where pictures changed since the last call: both
  // places of a picture that moved or showed another frame. Forgets them.
  std::vector<PixelBounds> TakeChangedPlaces();
  // The labels whose text or visibility changed since the last call, bit n for LabelId n.
  // Forgets them.
  std::uint32_t TakeChangedLabels();

 private:
  std::array<PictureView, kControlCount> pictures_;
  std::array<LabelView, kLabelCount> labels_;
  std::vector<PixelBounds> changedPlaces_;
  std::uint32_t changedLabels_ = 0;
};

// A label's rectangle in pixels of the client area.
inline PixelBounds LabelPlace(LabelId id) { return PixelsOf(Spec(id).rect); }

// The labels' type, in pixels at the layout's 96 dots an inch (15 twips to the pixel), so that
// the texts fit their labels whatever the screen's resolution: Arial's metrics at 9.75 points
// for the status labels and 14.25 for the message.
inline constexpr int kStatusFontPx = 13;
inline constexpr int kMessageFontPx = 19;
constexpr int LabelFontPx(LabelId id) {
  return id == LabelId::lblMessage ? kMessageFontPx : kStatusFontPx;
}

}  // namespace reedfall
