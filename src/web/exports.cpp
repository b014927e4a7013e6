// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script calls: one game for the page, events in, what changed out. Times are
// milliseconds since the page started; coordinates are pixels of the client area. Every event
// returns the bits of web::Changed; the script then reads what they name.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dump/dump.h"
#include "pictures/pictures.h"
#include "web/page.h"

namespace {

using reedfall::HostEvent;
using reedfall::web::Layer;
using reedfall::web::Page;

// The page's one game, made when the script starts it.
std::optional<Page>& ThePage() {
  static std::optional<Page> page;
  return page;
}

Page& Game() { return *ThePage(); }

std::int64_t Ms(double now) { return static_cast<std::int64_t>(std::floor(now)); }

const reedfall::LabelSpec* LabelAt(int id) {
  if (id < 0 || id >= reedfall::kLabelCount) {
    return nullptr;
  }
  return &reedfall::kLabelTable.at(static_cast<std::size_t>(id));
}

}  // namespace

extern "C" {

// Decodes part `part` of the pictures (0, 1, ... in turn): 0 past the last. The page calls it
// one part to a task before rf_start, so that no single task of its start keeps a slow phone
// from answering for long.
EMSCRIPTEN_KEEPALIVE int rf_prepare(int part) {
  return reedfall::pictures::PreparePart(part) ? 1 : 0;
}

// The game starts, and is written down from its start with `heading` as the script's first
// line (a comment: the game's version and the date, which the page knows). Nothing is drawn
// yet: rf_draw and rf_show_all, in the page's next tasks, draw the field and show it.
EMSCRIPTEN_KEEPALIVE void rf_start(const char* heading) {
  if (!ThePage()) {
    ThePage().emplace(std::string_view(heading != nullptr ? heading : "#"));
  }
}

// The field drawn, in a task of its own; then everything shown: the bits of what changed.
EMSCRIPTEN_KEEPALIVE void rf_draw() { Game().DrawField(); }

EMSCRIPTEN_KEEPALIVE std::uint32_t rf_show_all() { return Game().ShowAll(); }

// An event of web::Event's kinds (rf_constants().events), at `now`; a press at (x, y), in
// pixels of the client area.
EMSCRIPTEN_KEEPALIVE std::uint32_t rf_send(int kind, double now, double x, double y) {
  if (kind < 0 || kind > static_cast<int>(HostEvent::Kind::Wake)) {
    return 0;
  }
  return Game().Send(Ms(now), HostEvent{static_cast<HostEvent::Kind>(kind), x, y});
}

// Milliseconds since the start at which to wake next; -1 while nothing can act.
EMSCRIPTEN_KEEPALIVE double rf_next_wake() {
  const std::optional<std::int64_t> next = Game().NextWake();
  return next ? static_cast<double>(*next) : -1.0;
}

// --- The field. ---

EMSCRIPTEN_KEEPALIVE std::uint32_t rf_set_factor(double factor) { return Game().SetFactor(factor); }

EMSCRIPTEN_KEEPALIVE int rf_field_width() { return Game().field().width(); }

EMSCRIPTEN_KEEPALIVE int rf_field_height() { return Game().field().height(); }

// 0: below the message label; 1: above it. Straight RGBA, rf_field_width() pixels a row.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* rf_layer(int layer) {
  return Game()
      .field()
      .Pixels(layer == 0 ? Layer::BelowMessage : Layer::AboveMessage)
      .Bytes()
      .data();
}

EMSCRIPTEN_KEEPALIVE int rf_changed_count() {
  return static_cast<int>(Game().changedRects().size() / 4);
}

EMSCRIPTEN_KEEPALIVE const int* rf_changed_rects() { return Game().changedRects().data(); }

// --- The labels, by their place in the label table (rf_constants().labels). ---

EMSCRIPTEN_KEEPALIVE std::uint32_t rf_labels_changed() { return Game().changedLabels(); }

EMSCRIPTEN_KEEPALIVE const char* rf_label_caption(int id) {
  const reedfall::LabelSpec* spec = LabelAt(id);
  return spec != nullptr ? Game().view().label(spec->id).caption.c_str() : "";
}

EMSCRIPTEN_KEEPALIVE int rf_label_visible(int id) {
  const reedfall::LabelSpec* spec = LabelAt(id);
  return spec != nullptr && Game().view().label(spec->id).visible ? 1 : 0;
}

// --- The round-end box that the last event opened. ---

EMSCRIPTEN_KEEPALIVE const char* rf_box_title() { return Game().boxTitle().c_str(); }

EMSCRIPTEN_KEEPALIVE const char* rf_box_text() { return Game().boxText().c_str(); }

// What the page needs to know of the game, as JSON, once: the client area's and the field's
// size in pixels, the bits of what an event changed, the kinds of event, and the labels of the
// label table in its order, each with its place in pixels and its font's size.
EMSCRIPTEN_KEEPALIVE const char* rf_constants() {
  static const std::string text = reedfall::web::Constants();
  return text.c_str();
}

// The game so far as a script for reedfall-sim, ending with a wait up to the game's clock and
// a dump; empty while a recorded game plays. Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* rf_script() {
  static std::string text;
  text = Game().Script().value_or(std::string());
  return text.c_str();
}

// Plays the script of `length` bytes at `script` back from now on, its clock at 0: an empty
// text, or why it does not read. Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* rf_replay(const char* script, int length) {
  static std::string error;
  error = Game().Replay(std::string_view(script, static_cast<std::size_t>(std::max(length, 0))));
  return error.c_str();
}

// What the played-back script's `dump` lines printed since the last call.
EMSCRIPTEN_KEEPALIVE const char* rf_replay_output() {
  static std::string text;
  text = Game().TakeReplayOutput();
  return text.c_str();
}

// The whole state as the driver's `dump` prints it, for bug reports.
EMSCRIPTEN_KEEPALIVE const char* rf_dump() {
  static std::string text;
  text = reedfall::Dump(Game().game());
  return text.c_str();
}

}  // extern "C"
