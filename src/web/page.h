// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's side of the game: it runs the game as every real-time host does
// (live/live_game.h) on the page's clock, keeps the field's pixels (web/field.h) and tells
// the page's script, after every event and wake-up, what changed: the field, which labels, a
// box to open or to close, the end. The script shows it and sleeps until NextWake(). It writes
// every game down as it is played (record/recorder.h), and plays a recorded one back when asked.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "live/live_game.h"
#include "record/recorder.h"
#include "record/replayer.h"
#include "web/field.h"

namespace reedfall::web {

// What changed, as bits of the value every event returns.
enum Changed : std::uint32_t {
  kFieldChanged = 1U << 0U,
  kLabelsChanged = 1U << 1U,
  kBoxOpened = 1U << 2U,
  kEnded = 1U << 3U,
  kBelowChanged = 1U << 4U,  // the layer below the message changed too (a new scale)
  kBoxClosed = 1U << 5U,     // the box closed without the player: a recorded game's OK
};

// The lines of a recording, kept in the page's memory.
class ScriptText final : public ScriptSink {
 public:
  void Line(std::string_view line) override {
    text_ += line;
    text_ += '\n';
  }
  [[nodiscard]] const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// What the page's script needs to know of the game, as one JSON object: `version`, `clientWidth`,
// `clientHeight` and `fieldHeight` in pixels; `changed`, the bits above by name; `events`, the
// kinds of HostEvent by name; and `labels`, the label table in its order, each with its `name`,
// its place in pixels (`left`, `top`, `width`, `height`) and its font's size (`fontPx`).
std::string Constants();

class Page {
 public:
  // Starts writing the game down at once, with `heading` as the script's first line. The field
  // is drawn by DrawField(), before any call but ShowAll(): the page starts on a slow phone in
  // short tasks, and the game and its first drawing are two of them.
  explicit Page(std::string_view heading, RandomSource* random = nullptr);
  // Draws the field the first time; ShowAll() then shows it, with everything else.
  void DrawField();

  // An event at `now`, milliseconds since the game started (the replay, when one plays);
  // presses in pixels of the client area (15 twips to the pixel), fractions allowed. Returns
  // the bits of what changed.
  std::uint32_t Send(std::int64_t now, HostEvent event);
  std::uint32_t SetFactor(double factor);
  // Everything, as at the start: for a page that has just laid itself out.
  std::uint32_t ShowAll();

  // The game so far as a script that reedfall-sim replays: what was written, and for a game
  // that goes on a `wait` up to its clock and a `dump`. None while a recorded game plays.
  [[nodiscard]] std::optional<std::string> Script() const;
  // Plays `script` back from now on, at the page's clock from 0: an empty reason, or why it
  // does not read ("line N: ...").
  std::string Replay(std::string_view script);
  // What the played-back script's `dump` lines printed since the last call.
  std::string TakeReplayOutput();

  [[nodiscard]] const frmMain& game() const { return player_->game(); }
  [[nodiscard]] const View& view() const { return player_->view(); }
  [[nodiscard]] std::optional<std::int64_t> NextWake() const { return player_->NextWake(); }
  [[nodiscard]] const Field& field() const { return *field_; }
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
  ScriptText recording_;
  Recorder recorder_;
  std::unique_ptr<Replayer> replay_;
  Player* player_ = &live_;
  std::optional<Field> field_;
  std::vector<int> changedRects_;
  std::uint32_t changedLabels_ = 0;
  std::string boxTitle_;
  std::string boxText_;
};

}  // namespace reedfall::web
