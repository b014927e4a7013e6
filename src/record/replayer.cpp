// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/replayer.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <span>

#include "sim/line_reader.h"

namespace reedfall {

namespace {

// The script's bytes, all at once.
class TextSource final : public sim::ByteSource {
 public:
  explicit TextSource(std::string_view text) : text_(text) {}
  sim::ReadOutcome Read(std::span<char> buffer) override {
    const std::size_t count = std::min(buffer.size(), text_.size());
    std::memcpy(buffer.data(), text_.data(), count);
    text_.remove_prefix(count);
    return {count, std::nullopt};
  }

 private:
  std::string_view text_;
};

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The first two words of a line that the driver has taken already.
std::pair<std::string_view, std::string_view> FirstWords(std::string_view line) {
  const auto word = [&line]() {
    while (!line.empty() && IsBlank(line.front())) {
      line.remove_prefix(1);
    }
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) {
      ++end;
    }
    const std::string_view found = line.substr(0, end);
    line.remove_prefix(end);
    return found;
  };
  const std::string_view first = word();
  return {first, word()};
}

std::int64_t Number(std::string_view word) {
  std::int64_t value = 0;
  (void)std::from_chars(word.data(), word.data() + word.size(), value);
  return value;
}

}  // namespace

std::unique_ptr<Replayer> Replayer::Load(std::string_view script, std::string& error) {
  TextSource source(script);
  sim::LineReader reader(source);
  sim::Driver check;
  std::vector<std::string> lines;
  for (;;) {
    const sim::ScriptLine line = reader.Next();
    if (line.kind == sim::ScriptLine::Kind::End) {
      break;
    }
    if (line.kind == sim::ScriptLine::Kind::TooLong) {
      error = "line " + std::to_string(reader.LineNumber()) + ": longer than " +
              std::to_string(sim::kMaxLineBytes) + " bytes";
      return nullptr;
    }
    const sim::LineResult result = check.Run(line.text);
    if (result.kind == sim::LineResult::Kind::Error) {
      error = "line " + std::to_string(reader.LineNumber()) + ": " + result.error;
      return nullptr;
    }
    lines.emplace_back(line.text);
    if (result.kind == sim::LineResult::Kind::Ended) {
      break;  // as the driver, the lines after the end are not read
    }
  }
  return std::unique_ptr<Replayer>(new Replayer(std::move(lines)));
}

Replayer::Replayer(std::vector<std::string> lines)
    : lines_(std::move(lines)), view_(driver_.game().world().controls) {}

void Replayer::Play(std::int64_t now) {
  while (!ended_ && next_ < lines_.size()) {
    const std::string& line = lines_[next_];
    const auto [command, argument] = FirstWords(line);
    if (command == "wait" || command == "late") {
      if (!stretchStart_) {
        stretchStart_ = game().Now();
      }
      const std::int64_t end = *stretchStart_ + Number(argument);
      if (command == "wait") {
        // A wait runs as the clock passes through it: the ducks fly at their own speed.
        const std::int64_t to = std::min(end, now);
        if (to > game().Now()) {
          (void)driver_.Run("wait " + std::to_string(to - game().Now()));
        }
      } else if (now >= end) {
        // A late stretch runs whole, as the live game's late wake-up did.
        (void)driver_.Run(line);
      }
      if (game().Now() < end) {
        return;
      }
      stretchStart_.reset();
    } else {
      const sim::LineResult result = driver_.Run(line);
      output_ += result.output;
      ended_ = result.kind == sim::LineResult::Kind::Ended;
    }
    ++next_;
  }
}

Settled Replayer::Handle(std::int64_t now, HostEvent event) {
  using Kind = HostEvent::Kind;
  if (ended_) {
    return Settled{Settled::State::Over, std::nullopt, std::nullopt};
  }
  const bool boxBefore = game().OpenBox().has_value();
  if (event.kind == Kind::End || event.kind == Kind::Close) {
    ended_ = true;
  } else if (event.kind == Kind::Wake) {
    Play(now);
  }
  if (ended_) {
    return Settled{Settled::State::EndedNow, std::nullopt, std::nullopt};
  }
  view_.Follow(game().world().controls);
  Settled settled{Settled::State::Playing, std::nullopt, NextWake()};
  const std::optional<MessageBoxText> box = game().OpenBox();
  if (box && !boxBefore) {
    settled.box = box;
  }
  settled.boxClosed = boxBefore && !box;
  return settled;
}

std::optional<std::int64_t> Replayer::NextWake() const {
  if (ended_ || Finished()) {
    return std::nullopt;
  }
  const auto [command, argument] = FirstWords(lines_[next_]);
  if (command != "wait" && command != "late") {
    return game().Now();  // its moment has come
  }
  const std::int64_t end = stretchStart_.value_or(game().Now()) + Number(argument);
  const std::optional<std::int64_t> tick = game().NextWake();
  return command == "wait" && tick && *tick < end ? *tick : end;
}

std::string Replayer::TakeOutput() {
  std::string output;
  output.swap(output_);
  return output;
}

}  // namespace reedfall
