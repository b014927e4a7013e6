// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/controls.h"

#include <algorithm>

namespace reedfall {

namespace {

constexpr std::array<std::string_view, kControlCount> kControlNames{
    "imgRedD", "Image1(2)", "Image1(1)", "Image1(0)", "imgDuck", "lblMessage", "imgTop", "imgback",
};

}  // namespace

std::string_view ControlName(Control control) {
  return kControlNames.at(static_cast<std::size_t>(control));
}

std::optional<Control> ControlByName(std::string_view name) {
  const auto* found = std::find(kControlNames.begin(), kControlNames.end(), name);
  if (found == kControlNames.end()) {
    return std::nullopt;
  }
  return static_cast<Control>(found - kControlNames.begin());
}

void ShowFrame(DuckPicture& duck, int index) {
  if (!IsFrameIndex(index)) {
    return;
  }
  const FrameSize size = FrameSizePx(duck.colour, index);
  duck.frame = index;
  duck.Width = size.width * kTwipsPerPixel;
  duck.Height = size.height * kTwipsPerPixel;
}

MainWindowControls::MainWindowControls() {
  imgDuck.colour = DuckColour::Blue;
  imgDuck.Left = kBlueDuckLeftAtLoad;
  imgDuck.Top = kBlueDuckTopAtLoad;
  ShowFrame(imgDuck, 0);
  imgRedD.colour = DuckColour::Red;
  imgRedD.Left = kRedDuckLeftAtLoad;
  imgRedD.Top = kRedDuckTopAtLoad;
  ShowFrame(imgRedD, 0);
  for (const LabelSpec& spec : kLabelTable) {
    label(spec.id) = Label{std::string(spec.captionAtLoad), spec.visibleAtLoad};
  }
}

}  // namespace reedfall
