// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's side of the game: it runs the game as every real-time host does
// (live/live_game.h) on the page's clock, keeps the field's pixels (web/field.h) and tells
// the page's script, after every event and wake-up, what changed: the field, which labels, a
// box to open, the end. The script shows it and sleeps until NextWake().
#pragma once

#include <array>
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

class Page {
 public:
  explicit Page(RandomSource* random = nullptr);

  // Each event at `now`, milliseconds since the page started; coordinates in pixels of the
  // client area (15 twips to the pixel), fractions allowed.
  std::uint32_t Press(std::int64_t now, double x, double y);
  std::uint32_t DoubleClick(std::int64_t now);
  std::uint32_t NewGame(std::int64_t now);
  std::uint32_t End();
  std::uint32_t BoxClosed(std::int64_t now);
  std::uint32_t Wake(std::int64_t now);
  std::uint32_t SetFactor(double factor);
  // Everything, as at the start: for a page that has just laid itself out.
  std::uint32_t ShowAll();

  [[nodiscard]] const frmMain& game() const { return live_.game(); }
  [[nodiscard]] std::optional<std::int64_t> NextWake() const { return live_.NextWake(); }
  [[nodiscard]] const Field& field() const { return field_; }
  // The rectangles of the field redrawn by the last event, four numbers each (x, y, w, h).
  [[nodiscard]] const std::vector<int>& changedRects() const { return changedRects_; }
  // Bit n set: label n of the label table changed in its text or visibility.
  [[nodiscard]] std::uint32_t changedLabels() const { return changedLabels_; }
  [[nodiscard]] const std::string& boxTitle() const { return boxTitle_; }
  [[nodiscard]] const std::string& boxText() const { return boxText_; }

 private:
  struct LabelShown {
    std::string caption;
    bool visible = false;
  };

  // Follows the game after an event: the field, the labels, a box, the end.
  std::uint32_t Settle();

  LiveGame live_;
  Field field_;
  std::array<LabelShown, kLabelCount> labels_;
  std::vector<int> changedRects_;
  std::uint32_t changedLabels_ = 0;
  std::string boxTitle_;
  std::string boxText_;
  bool endShown_ = false;
};

}  // namespace reedfall::web
