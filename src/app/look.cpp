// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/look.h"

namespace reedfall::app {

namespace {

DuckLook DuckLookOf(const DuckPicture& duck) { return {PixelRect(duck), duck.frame}; }

void AddDuckChange(const DuckLook& before, const DuckLook& after, std::vector<QRect>& rects) {
  if (before == after) {
    return;
  }
  rects.push_back(before.rect);
  if (after.rect != before.rect) {
    rects.push_back(after.rect);
  }
}

}  // namespace

Look LookOf(const MainWindowControls& controls) {
  Look look;
  look.blue = DuckLookOf(controls.imgDuck);
  look.red = DuckLookOf(controls.imgRedD);
  for (const LabelSpec& spec : kLabelTable) {
    const Label& label = controls.label(spec.id);
    look.labels.at(static_cast<std::size_t>(spec.id)) = LabelLook{label.Caption, label.Visible};
  }
  return look;
}

std::vector<QRect> ChangedRects(const Look& before, const Look& after) {
  std::vector<QRect> rects;
  AddDuckChange(before.blue, after.blue, rects);
  AddDuckChange(before.red, after.red, rects);
  for (const LabelSpec& spec : kLabelTable) {
    const LabelLook& old = before.label(spec.id);
    const LabelLook& now = after.label(spec.id);
    // A hidden label's text can change unseen.
    if (old.visible != now.visible || (now.visible && old.caption != now.caption)) {
      rects.push_back(PixelRect(spec.rect));
    }
  }
  return rects;
}

}  // namespace reedfall::app
