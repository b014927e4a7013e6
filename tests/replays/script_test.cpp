// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a script from whatever its source hands over, and a run that ends honestly when the
// source or the output fails.
#include "sim/script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "sim/line_reader.h"

namespace reedfall::sim {
namespace {

// Hands over its bytes `chunk` at a time, then ends or fails.
class FakeSource final : public ByteSource {
 public:
  FakeSource(std::string bytes, std::size_t chunk, std::optional<std::string> failure = {})
      : bytes_(std::move(bytes)), chunk_(chunk), failure_(std::move(failure)) {}

  ReadOutcome Read(std::span<char> buffer) override {
    if (endless_) {
      std::fill(buffer.begin(), buffer.end(), 'x');
      handedOver_ += buffer.size();
      return {buffer.size(), std::nullopt};
    }
    if (pos_ == bytes_.size()) {
      return {0, failure_};
    }
    const std::size_t n = std::min({chunk_, buffer.size(), bytes_.size() - pos_});
    std::string_view(bytes_).copy(buffer.data(), n, pos_);
    pos_ += n;
    return {n, std::nullopt};
  }

  static FakeSource Endless() {
    FakeSource source("", 0);
    source.endless_ = true;
    return source;
  }
  [[nodiscard]] std::size_t HandedOver() const { return handedOver_; }

 private:
  std::string bytes_;
  std::size_t chunk_;
  std::optional<std::string> failure_;
  std::size_t pos_ = 0;
  bool endless_ = false;
  std::size_t handedOver_ = 0;
};

// What the reader makes of the bytes: each line's text, or what stopped it.
std::vector<std::string> Lines(LineReader& reader) {
  std::vector<std::string> lines;
  for (;;) {
    const ScriptLine line = reader.Next();
    switch (line.kind) {
      case ScriptLine::Kind::End:
        EXPECT_EQ(reader.Next().kind, ScriptLine::Kind::End);  // and stays there
        return lines;
      case ScriptLine::Kind::TooLong:
        lines.emplace_back("<too long>");
        break;
      case ScriptLine::Kind::ReadFailed:
        lines.push_back("<failed: " + line.error + ">");
        break;
      case ScriptLine::Kind::Text:
        lines.emplace_back(line.text);
        break;
    }
  }
}

TEST(LineReader, SplitsTheSameLinesWhateverSizeTheReadsCome) {
  const std::string bom = "\xEF\xBB\xBF";
  const struct {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"LF and CRLF end lines, the last may lack one", "a\nb\r\n\nc", {"a", "b", "", "c"}},
      {"a carriage return elsewhere is text", "a\rb\n\r\r\n c\r", {"a\rb", "\r", " c\r"}},
      {"nothing at all", "", {}},
      {"a mark at the very start is skipped", bom + "dump\n" + bom, {"dump", bom}},
      {"only one mark is skipped", bom + bom + "a", {bom + "a"}},
      {"a mark alone is no line", bom, {}},
      {"part of a mark is text", "\xEF\xBBx\n\xEF", {"\xEF\xBBx", "\xEF"}},
      {"a mark cut short by the end is text", "\xEF\xBB", {"\xEF\xBB"}},
      {"NUL bytes stay", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
      // With lines of at most 4 bytes:
      {"a line at the bound", "abcd\nabcd\r\n" + bom, {"abcd", "abcd", bom}},
      {"the mark does not count", bom + "abcd", {"abcd"}},
      {"one byte past", "ab\nabcde\nx\n", {"ab", "<too long>"}},
      {"a carriage return that ends no line counts", "abcd\r", {"<too long>"}},
      {"a carriage return inside counts", "abcd\rx\n", {"<too long>"}},
  };
  for (const auto& c : cases) {
    for (const std::size_t chunk : {1, 2, 3, 1000}) {
      FakeSource source(c.bytes, chunk);
      LineReader reader(source, 4);
      EXPECT_EQ(Lines(reader), c.lines) << c.name << ", read " << chunk << " at a time";
    }
  }
}

TEST(LineReader, AFailedReadIsNotTheEndOfTheScript) {
  FakeSource source("dump\nwai", 3, "Input/output error");
  LineReader reader(source);
  EXPECT_EQ(Lines(reader), (std::vector<std::string>{"dump", "<failed: Input/output error>"}));
  EXPECT_EQ(reader.LineNumber(), 2);
}

TEST(LineReader, RefusesAnEndlessLineWithoutReadingOnAndOn) {
  FakeSource source = FakeSource::Endless();
  LineReader reader(source);
  EXPECT_EQ(reader.Next().kind, ScriptLine::Kind::TooLong);
  EXPECT_EQ(reader.Next().kind, ScriptLine::Kind::End);
  EXPECT_GT(source.HandedOver(), kMaxLineBytes);
  EXPECT_LT(source.HandedOver(), 2 * kMaxLineBytes);
}

// Keeps what it is given; fails from the given write or flush on.
class FakeOutput final : public OutputSink {
 public:
  std::optional<std::string> Write(std::string_view bytes) override {
    if (writes_++ == failWrite) {
      return failure_;
    }
    pending_ += bytes;
    return std::nullopt;
  }
  std::optional<std::string> Flush() override {
    if (failFlush) {
      return failure_;
    }
    written += pending_;
    pending_.clear();
    return std::nullopt;
  }

  int failWrite = -1;
  bool failFlush = false;
  std::string written;

 private:
  int writes_ = 0;
  std::string pending_;
  std::string failure_ = "No space left on device";
};

struct Played {
  ScriptOutcome outcome;
  long dumps = 0;
};

Played Play(FakeSource& source, FakeOutput& output, std::size_t maxLineBytes = kMaxLineBytes) {
  ScriptOptions options;
  options.inputName = "game.sim";
  options.maxLineBytes = maxLineBytes;
  Played played{RunScript(source, output, options)};
  played.dumps = std::count(output.written.begin(), output.written.end(), '\n');
  return played;
}

TEST(RunScript, EachFailureEndsTheRunWithAMessageAndStatusTwo) {
  const std::string script = "dump\ndump\njump\n";
  const std::string cannotWrite = "reedfall-sim: cannot write standard output: ";
  const struct {
    const char* name;
    FakeSource source;
    int failWrite;
    bool failFlush;
    long dumps;
    std::string message;
  } cases[] = {
      {"a line in error, after what the lines before it print", FakeSource(script, 5), -1, false, 2,
       "reedfall-sim: line 3: unknown command: 'jump'\n"},
      {"a read that fails part way", FakeSource("dump\ndu", 2, "Input/output error"), -1, false, 1,
       "reedfall-sim: cannot read game.sim at line 2: Input/output error\n"},
      // The write that fails stops the script: its third line never runs.
      {"a write that fails", FakeSource(script, 100), 1, false, 0,
       cannotWrite + "No space left on device\n"},
      {"output that cannot be flushed at the end", FakeSource("dump\n", 100), -1, true, 0,
       cannotWrite + "No space left on device\n"},
      {"both", FakeSource(script, 100), -1, true, 0,
       cannotWrite + "No space left on device\nreedfall-sim: line 3: unknown command: 'jump'\n"},
  };
  for (auto c : cases) {
    FakeOutput output;
    output.failWrite = c.failWrite;
    output.failFlush = c.failFlush;
    const Played played = Play(c.source, output);
    EXPECT_EQ(played.outcome.status, kScriptFailed) << c.name;
    EXPECT_EQ(played.outcome.message, c.message) << c.name;
    EXPECT_EQ(played.dumps, c.dumps) << c.name;
  }
}

TEST(RunScript, ALongLineIsAnErrorOfItsOwnLine) {
  FakeSource source("dump\n# fine\n# too long\ndump\n", 7);
  FakeOutput output;
  const Played played = Play(source, output, 8);
  EXPECT_EQ(played.outcome.message, "reedfall-sim: line 3: longer than 8 bytes\n");
  EXPECT_EQ(played.dumps, 1);
}

}  // namespace
}  // namespace reedfall::sim
