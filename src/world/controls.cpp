// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/controls.h"

namespace reedfall {

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
