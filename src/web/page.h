// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's side of the game: it runs the game as every real-time host does
// (live/live_game.h) on the page's clock, keeps the field's pixels (web/field.h) and tells
// the page's script, after every event and wake-up, what changed: the field, which labels, a
// box to open, the end. The script shows it and sleeps until NextWake().
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "live/live_game.h"
#include "web/field.h"

namespace reedfall::web {

// What changed, as bits of the value every event returns.
enum Changed : std::uint32_t {
  kFieldChanged = 1U << 0U,
  kLabelsChanged = 1U << 1U,
  kBoxOpened = 1U << 2U,
  kEnded = 1U << 3U,
  kBelowChanged = 1U << 4U,  // the layer below the message changed too (a new scale)
};

// What the page's script needs to know of the game, as one JSON object: `clientWidth`,
// `clientHeight` and `fieldHeight` in pixels; `changed`, the bits above by name; `events`, the
// kinds of HostEvent by name; and `labels`, the label table in its order, each with its `name`,
// its place in pixels (`left`, `top`, `width`, `height`) and its font's size (`fontPx`).
std::string Constants();

class Page {
 public:
  explicit Page(RandomSource* random = nullptr);

  // An event at `now`, milliseconds since the page started; presses in pixels of the client
  // area (15 twips to the pixel), fractions allowed. Returns the bits of what changed.
  std::uint32_t Send(std::int64_t now, HostEvent event);
  std::uint32_t SetFactor(double factor);
  // Everything, as at the start: for a page that has just laid itself out.
  std::uint32_t ShowAll();

  [[nodiscard]] const frmMain& game() const { return live_.game(); }
  [[nodiscard]] const View& view() const { return live_.view(); }
  [[nodiscard]] std::optional<std::int64_t> NextWake() const { return live_.NextWake(); }
  [[nodiscard]] const Field& field() const { return field_; }
  // The rectangles of the field redrawn by the last event, four numbers each (x, y, w, h).
  [[nodiscard]] const std::vector<int>& changedRects() const { return changedRects_; }
  // Bit n set: label n of the label table changed in its text or visibility.
  [[nodiscard]] std::uint32_t changedLabels() const { return changedLabels_; }
  [[nodiscard]] const std::string& boxTitle() const { return boxTitle_; }
  [[nodiscard]] const std::string& boxText() const { return boxText_; }

 private:
  // Shows what an event did: the field, the labels, a box, the end.
  std::uint32_t Show(const Settled& settled);
  // The field's and the labels' changes since the last time.
  std::uint32_t ShowChanges();

  LiveGame live_;
  Field field_;
  std::vector<int> changedRects_;
  std::uint32_t changedLabels_ = 0;
  std::string boxTitle_;
  std::string boxText_;
};

}  // namespace reedfall::web
