// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/look.h"

namespace reedfall::app {

namespace {

DuckLook DuckLookOf(const DuckPicture& duck) { return {PixelRect(duck), duck.frame}; }

// Follows a duck that moved or changed its frame: both its places are repainted.
void FollowDuck(DuckLook& shown, const DuckPicture& duck, std::vector<QRect>& rects) {
  const DuckLook now = DuckLookOf(duck);
  if (now == shown) {
    return;
  }
  rects.push_back(shown.rect);
  if (now.rect != shown.rect) {
    rects.push_back(now.rect);
  }
  shown = now;
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

std::vector<QRect> Follow(Look& look, const MainWindowControls& controls) {
  std::vector<QRect> rects;
  FollowDuck(look.blue, controls.imgDuck, rects);
  FollowDuck(look.red, controls.imgRedD, rects);
  for (const LabelSpec& spec : kLabelTable) {
    LabelLook& shown = look.labels.at(static_cast<std::size_t>(spec.id));
    const Label& label = controls.label(spec.id);
    const bool rewritten = shown.caption != label.Caption;
    // A hidden label's text can change unseen.
    if (shown.visible != label.Visible || (label.Visible && rewritten)) {
      rects.push_back(PixelRect(spec.rect));
    }
    if (rewritten) {
      shown.caption = label.Caption;
    }
    shown.visible = label.Visible;
  }
  return rects;
}

}  // namespace reedfall::app
