// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page.h"

#include <cstddef>

namespace reedfall::web {

Page::Page(RandomSource* random) : live_(random), field_(live_.game().world().controls) {
  ShowAll();
}

std::uint32_t Page::Press(std::int64_t now, double x, double y) {
  live_.Press(now, x * kTwipsPerPixel, y * kTwipsPerPixel);
  return Settle();
}

std::uint32_t Page::DoubleClick(std::int64_t now) {
  live_.DoubleClick(now);
  return Settle();
}

std::uint32_t Page::NewGame(std::int64_t now) {
  live_.NewGame(now);
  return Settle();
}

std::uint32_t Page::End() {
  live_.End();
  return Settle();
}

std::uint32_t Page::BoxClosed(std::int64_t now) {
  live_.BoxClosed(now);
  return Settle();
}

std::uint32_t Page::Wake(std::int64_t now) {
  live_.CatchUp(now);
  return Settle();
}

std::uint32_t Page::SetFactor(double factor) {
  field_.SetFactor(factor);
  return Settle();
}

std::uint32_t Page::ShowAll() {
  for (LabelShown& label : labels_) {
    label = LabelShown{"", false};
  }
  field_.SetFactor(field_.factor());
  return Settle();
}

std::uint32_t Page::Settle() {
  std::uint32_t changed = 0;
  const std::optional<MessageBoxText> box = live_.TakeBox();
  if (live_.Ended()) {
    // Nothing is shown any more; the page says so once.
    changed = endShown_ ? 0 : kEnded;
    endShown_ = true;
    return changed;
  }
  field_.Follow(game().world().controls);
  if (field_.belowChanged()) {
    changed |= kBelowChanged;
  }
  changedRects_.clear();
  for (const pictures::Box& rect : field_.TakeChanged()) {
    changedRects_.insert(changedRects_.end(), {rect.x, rect.y, rect.width, rect.height});
  }
  if (!changedRects_.empty()) {
    changed |= kFieldChanged;
  }
  changedLabels_ = 0;
  for (const LabelSpec& spec : kLabelTable) {
    const Label& label = game().world().controls.label(spec.id);
    LabelShown& shown = labels_.at(static_cast<std::size_t>(spec.id));
    if (label.Caption != shown.caption || label.Visible != shown.visible) {
      shown = LabelShown{label.Caption, label.Visible};
      changedLabels_ |= 1U << static_cast<unsigned>(spec.id);
    }
  }
  if (changedLabels_ != 0) {
    changed |= kLabelsChanged;
  }
  if (box) {
    boxTitle_ = std::string(box->title);
    boxText_ = std::string(box->text);
    changed |= kBoxOpened;
  }
  return changed;
}

}  // namespace reedfall::web
