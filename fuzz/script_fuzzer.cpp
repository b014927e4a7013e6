// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer: arbitrary bytes as a script for reedfall-sim, through the same reader and runner
// as the program, under AddressSanitizer and UndefinedBehaviorSanitizer. Besides what the
// sanitizers catch, it checks that
//  - the reader makes the same lines of the bytes whether they come whole or a byte at a time;
//  - the run ends with status 0 and nothing to say, or status 2 and a message, and a message
//    is whole lines of well-formed UTF-8 with no control characters, whatever the script held;
//  - a read or a write that fails is reported, never passed over.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/line_reader.h"
#include "sim/script.h"

namespace {

using reedfall::sim::ByteSource;
using reedfall::sim::LineReader;
using reedfall::sim::OutputSink;
using reedfall::sim::ReadOutcome;
using reedfall::sim::ScriptLine;

// A `wait` costs time in proportion to the ticks it runs: with ducks in flight some 35 for
// each second of virtual time, about a microsecond each under the sanitizers. That is the game
// doing its work, not a hang, so one input may ask for at most six hours of virtual time (the
// countdown reaches its floor of -32768 after five and a half), which bounds it to about a
// second. The clock's own bound, 2^53 - 1 ms, is met by the recorded games and the driver's
// tests instead.
constexpr std::int64_t kVirtualTimeCap = std::int64_t{6} * 60 * 60 * 1000;

// Lines far shorter than the program's 1 MiB, so that inputs of a few KiB reach the bound.
constexpr std::size_t kFuzzMaxLineBytes = 1024;

// Hands the bytes over a piece at a time, then ends, or fails when asked to.
class PieceSource final : public ByteSource {
 public:
  PieceSource(std::string_view bytes, std::size_t piece, bool failAtEnd = false)
      : bytes_(bytes), piece_(piece), failAtEnd_(failAtEnd) {}
  ReadOutcome Read(std::span<char> buffer) override {
    if (bytes_.empty() && failAtEnd_) {
      failed_ = true;
      return {0, "Input/output error"};
    }
    const std::size_t n = std::min({piece_, buffer.size(), bytes_.size()});
    bytes_.copy(buffer.data(), n);
    bytes_.remove_prefix(n);
    return {n, std::nullopt};
  }
  [[nodiscard]] bool Failed() const { return failed_; }

 private:
  std::string_view bytes_;
  std::size_t piece_;
  bool failAtEnd_;
  bool failed_ = false;
};

// Throws the output away; from a given write or flush on, fails as a full disk does.
class FailingOutput final : public OutputSink {
 public:
  explicit FailingOutput(int failFromCall) : failFromCall_(failFromCall) {}
  std::optional<std::string> Write(std::string_view /*bytes*/) override { return Call(); }
  std::optional<std::string> Flush() override { return Call(); }
  [[nodiscard]] bool Failed() const { return failed_; }

 private:
  std::optional<std::string> Call() {
    if (failFromCall_ < 0 || calls_++ < failFromCall_) {
      return std::nullopt;
    }
    failed_ = true;
    return "No space left on device";
  }
  int failFromCall_;
  int calls_ = 0;
  bool failed_ = false;
};

void Require(bool condition, const char* what) {
  if (!condition) {
    static_cast<void>(std::fputs("script fuzzer: ", stderr));
    static_cast<void>(std::fputs(what, stderr));
    static_cast<void>(std::fputs("\n", stderr));
    std::abort();
  }
}

std::vector<std::string> ReadLines(std::string_view bytes, std::size_t piece) {
  PieceSource source(bytes, piece);
  LineReader reader(source, kFuzzMaxLineBytes);
  std::vector<std::string> lines;
  for (ScriptLine line = reader.Next(); line.kind != ScriptLine::Kind::End; line = reader.Next()) {
    lines.emplace_back(line.kind == ScriptLine::Kind::Text ? line.text : "<too long>");
  }
  return lines;
}

// Decodes each character and checks it against Unicode's ranges, independently of the driver.
bool IsPrintableUtf8Lines(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    std::uint32_t code = lead;
    if (lead >= 0xF0) {
      length = 4;
      code = lead & 0x07U;
    } else if (lead >= 0xE0) {
      length = 3;
      code = lead & 0x0FU;
    } else if (lead >= 0xC0) {
      length = 2;
      code = lead & 0x1FU;
    } else if (lead >= 0x80) {
      return false;
    }
    if (i + length > text.size()) {
      return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0U) != 0x80) {
        return false;
      }
      code = (code << 6U) | (next & 0x3FU);
    }
    constexpr std::array<std::uint32_t, 5> kShortest = {0, 0, 0x80, 0x800, 0x10000};
    const bool control = (code < 0x20 && code != '\n') || (code >= 0x7F && code <= 0x9F);
    if (code < kShortest.at(length) || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ||
        control) {
      return false;
    }
    i += length;
  }
  return text.empty() || text.back() == '\n';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): libFuzzer hands over bytes
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  Require(ReadLines(bytes, bytes.size() + 1) == ReadLines(bytes, 1),
          "the lines depend on how the bytes were read");

  // The input's length, not its bytes, decides how the source is read and whether the source
  // or the output fails, so that the script itself is left to the mutations.
  PieceSource source(bytes, 1 + size % 61, size % 3 == 1);
  FailingOutput output(size % 5 == 2 ? static_cast<int>(size % 7) : -1);
  reedfall::sim::ScriptOptions options;
  options.inputName = "fuzzed.sim";
  options.maxLineBytes = kFuzzMaxLineBytes;
  options.clockLimit = kVirtualTimeCap;
  const reedfall::sim::ScriptOutcome outcome = RunScript(source, output, options);
  Require(outcome.status == 0
              ? outcome.message.empty()
              : outcome.status == reedfall::sim::kScriptFailed && !outcome.message.empty(),
          "a status that does not match its message");
  Require(IsPrintableUtf8Lines(outcome.message), "a message that is not printable UTF-8 lines");
  Require(!source.Failed() || outcome.message.find("cannot read fuzzed.sim") != std::string::npos,
          "a failed read that passed unreported");
  Require(!output.Failed() || outcome.message.find("cannot write") != std::string::npos,
          "a failed write that passed unreported");
  return 0;
}
