// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/look.h"

namespace reedfall::app {

namespace {

PictureLook PictureLookOf(const ControlRow& row, const MainWindowControls& controls) {
  PictureLook look{PixelRect(row.rect(controls))};
  if (row.art.shows == Shows::DuckFrames) {
    look.frame = controls.duck(static_cast<DuckColour>(row.art.index)).frame;
  }
  return look;
}

}  // namespace

Look LookOf(const MainWindowControls& controls) {
  Look look;
  for (const ControlRow& row : kControls) {
    look.pictures.at(static_cast<std::size_t>(row.id)) = PictureLookOf(row, controls);
  }
  for (const LabelSpec& spec : kLabelTable) {
    const Label& label = controls.label(spec.id);
    look.labels.at(static_cast<std::size_t>(spec.id)) = LabelLook{label.Caption, label.Visible};
  }
  return look;
}

std::vector<QRect> Follow(Look& look, const MainWindowControls& controls) {
  std::vector<QRect> rects;
  // A picture that moved or changed its frame: both its places are repainted.
  for (const ControlRow& row : kControls) {
    PictureLook& shown = look.pictures.at(static_cast<std::size_t>(row.id));
    const PictureLook now = PictureLookOf(row, controls);
    if (now == shown) {
      continue;
    }
    rects.push_back(shown.rect);
    if (now.rect != shown.rect) {
      rects.push_back(now.rect);
    }
    shown = now;
  }
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
