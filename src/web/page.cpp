// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace reedfall::web {

std::string Constants() {
  const auto number = [](std::string_view key, long long value) {
    return "\"" + std::string(key) + "\": " + std::to_string(value);
  };
  std::string json =
      "{\"version\": \"" REEDFALL_VERSION "\", " + number("clientWidth", kClientWidthPx) + ", " +
      number("clientHeight", kClientHeightPx) + ", " + number("fieldHeight", kFieldHeightPx) +
      ", \"changed\": {" + number("field", kFieldChanged) + ", " +
      number("labels", kLabelsChanged) + ", " + number("box", kBoxOpened) + ", " +
      number("ended", kEnded) + ", " + number("below", kBelowChanged) + ", " +
      number("boxClosed", kBoxClosed) + "}, \"events\": {";
  using Kind = HostEvent::Kind;
  const std::array<std::pair<std::string_view, Kind>, 7> events{{
      {"press", Kind::Press},
      {"doubleClick", Kind::DoubleClick},
      {"newGame", Kind::NewGame},
      {"end", Kind::End},
      {"close", Kind::Close},
      {"boxClosed", Kind::BoxClosed},
      {"wake", Kind::Wake},
  }};
  for (std::size_t i = 0; i < events.size(); ++i) {
    json +=
        (i == 0 ? "" : ", ") + number(events.at(i).first, static_cast<int>(events.at(i).second));
  }
  json += "}, \"labels\": [";
  const char* separator = "";
  for (const LabelSpec& spec : kLabelTable) {
    const PixelBounds place = LabelPlace(spec.id);
    json += std::string(std::exchange(separator, ", ")) + "{\"name\": \"" + std::string(spec.name) +
            "\", " + number("left", place.left) + ", " + number("top", place.top) + ", " +
            number("width", place.width) + ", " + number("height", place.height) + ", " +
            number("fontPx", LabelFontPx(spec.id)) + "}";
  }
  return json + "]}";
}

Page::Page(std::string_view heading, RandomSource* random)
    : live_(random), recorder_(live_, recording_, heading) {}

void Page::DrawField() {
  if (!field_) {
    field_.emplace(player_->view());
  }
}

std::uint32_t Page::Send(std::int64_t now, HostEvent event) {
  return Show(player_->Handle(now, event));
}

std::uint32_t Page::SetFactor(double factor) {
  field_->SetFactor(factor);
  return ShowChanges();
}

std::uint32_t Page::ShowAll() {
  player_->view().ChangeAll();
  field_->SetFactor(field_->factor());
  return ShowChanges();
}

std::optional<std::string> Page::Script() const {
  if (replay_) {
    return std::nullopt;
  }
  return live_.game().Ended() ? recording_.text() : recording_.text() + recorder_.Tail();
}

std::string Page::Replay(std::string_view script) {
  std::string error;
  std::unique_ptr<Replayer> replay = Replayer::Load(script, error);
  if (!replay) {
    return error;
  }
  const double factor = field_->factor();
  replay_ = std::move(replay);
  player_ = replay_.get();
  field_.emplace(player_->view());
  field_->SetFactor(factor);
  return {};
}

std::string Page::TakeReplayOutput() { return replay_ ? replay_->TakeOutput() : std::string(); }

std::uint32_t Page::Show(const Settled& settled) {
  switch (settled.state) {
    case Settled::State::Over:
      return 0;
    case Settled::State::EndedNow:
      return kEnded;
    case Settled::State::Playing:
      break;
  }
  std::uint32_t changed = ShowChanges();
  if (settled.boxClosed) {
    changed |= kBoxClosed;
  }
  if (settled.box) {
    boxTitle_ = std::string(settled.box->title);
    boxText_ = std::string(settled.box->text);
    changed |= kBoxOpened;
  }
  return changed;
}

std::uint32_t Page::ShowChanges() {
  std::uint32_t changed = 0;
  field_->Redraw(player_->view().TakeChangedPlaces());
  if (field_->belowChanged()) {
    changed |= kBelowChanged;
  }
  changedRects_.clear();
  for (const pictures::Box& rect : field_->TakeChanged()) {
    changedRects_.insert(changedRects_.end(), {rect.x, rect.y, rect.width, rect.height});
  }
  if (!changedRects_.empty()) {
    changed |= kFieldChanged;
  }
  changedLabels_ = player_->view().TakeChangedLabels();
  if (changedLabels_ != 0) {
    changed |= kLabelsChanged;
  }
  return changed;
}

}  // namespace reedfall::web
