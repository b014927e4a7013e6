// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "live/view.h"

namespace reedfall {

namespace {

PictureView PictureOf(const ControlRow& row, const MainWindowControls& controls) {
  PictureView picture{row.id, row.art, PixelsOf(row.rect(controls))};
  if (row.art.shows == Shows::DuckFrames) {
    picture.frame = controls.duck(static_cast<DuckColour>(row.art.index)).frame;
  }
  return picture;
}

constexpr std::uint32_t kEveryLabel = (1U << static_cast<unsigned>(kLabelCount)) - 1U;

}  // namespace

View::View(const MainWindowControls& controls) {
  for (const ControlRow& row : kControls) {
    pictures_.at(static_cast<std::size_t>(row.id)) = PictureOf(row, controls);
  }
  for (const LabelSpec& spec : kLabelTable) {
    const Label& label = controls.label(spec.id);
    labels_.at(static_cast<std::size_t>(spec.id)) = LabelView{label.Caption, label.Visible};
  }
  ChangeAll();
}

void View::Follow(const MainWindowControls& controls) {
  for (const ControlRow& row : kControls) {
    PictureView& shown = pictures_.at(static_cast<std::size_t>(row.id));
    const PictureView now = PictureOf(row, controls);
    if (now == shown) {
      continue;
    }
    changedPlaces_.push_back(shown.place);
    if (now.place != shown.place) {
      changedPlaces_.push_back(now.place);
    }
    shown = now;
  }
  for (const LabelSpec& spec : kLabelTable) {
    LabelView& shown = labels_.at(static_cast<std::size_t>(spec.id));
    const Label& label = controls.label(spec.id);
    if (shown.caption != label.Caption || shown.visible != label.Visible) {
      shown = LabelView{label.Caption, label.Visible};
      changedLabels_ |= 1U << static_cast<unsigned>(spec.id);
    }
  }
}

void View::ChangeAll() {
  changedPlaces_.clear();
  for (const PictureView& picture : pictures_) {
    changedPlaces_.push_back(picture.place);
  }
  changedLabels_ = kEveryLabel;
}

std::vector<PixelBounds> View::TakeChangedPlaces() {
  std::vector<PixelBounds> places;
  places.swap(changedPlaces_);
  return places;
}

std::uint32_t View::TakeChangedLabels() {
  const std::uint32_t labels = changedLabels_;
  changedLabels_ = 0;
  return labels;
}

}  // namespace reedfall
