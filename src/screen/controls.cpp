// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/controls.h"

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

std::optional<Rect> MainWindowControls::ClickArea(Control control) const {
  switch (control) {
    case Control::imgRedD:
      return RectOf(imgRedD);
    case Control::Image1_2:
      return RectOf(kImage1_2);
    case Control::Image1_1:
      return RectOf(kImage1_1);
    case Control::Image1_0:
      return RectOf(kImage1_0);
    case Control::imgDuck:
      return RectOf(imgDuck);
    case Control::lblMessage:
      if (!label(LabelId::lblMessage).Visible) {
        return std::nullopt;
      }
      return Spec(LabelId::lblMessage).rect;
    case Control::imgTop:
      return RectOf(kImgTop);
    case Control::imgback:
      return RectOf(kImgBack);
  }
  return std::nullopt;
}

std::optional<Control> MainWindowControls::ControlAt(double x, double y) const {
  if (!Rect{0, 0, kClientWidth, kClientHeight}.Contains(x, y)) {
    return std::nullopt;
  }
  for (const Control control : kStackingOrder) {
    const std::optional<Rect> area = ClickArea(control);
    if (area && area->Contains(x, y)) {
      return control;
    }
  }
  return std::nullopt;
}

}  // namespace reedfall
