// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A script's lines from any source of bytes: ended by LF or CRLF, a UTF-8 byte order mark at
// the very start skipped, each at most a bounded length. A longer line is found as soon as
// its bound is passed, without holding more of it, and a failed read is never taken for the
// end of the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace reedfall::sim {

inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;  // line end not counted

struct ReadOutcome {
  std::size_t bytes = 0;             // read into the buffer; none and no error: the end
  std::optional<std::string> error;  // why the read failed
};

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads at least one byte unless the input has ended or the read fails; may read fewer
  // than the buffer holds. A source read from a pipe should return once it has a line end,
  // so that each line runs as soon as it arrives.
  virtual ReadOutcome Read(std::span<char> buffer) = 0;

 protected:
  ByteSource() = default;
  ByteSource(const ByteSource&) = default;
  ByteSource(ByteSource&&) = default;
  ByteSource& operator=(const ByteSource&) = default;
  ByteSource& operator=(ByteSource&&) = default;
};

struct ScriptLine {
  enum class Kind : std::uint8_t { Text, End, TooLong, ReadFailed };
  Kind kind = Kind::End;
  std::string_view text;  // Text: the line without its end, valid until the next Next()
  std::string error;      // ReadFailed: the source's reason
};

class LineReader {
 public:
  explicit LineReader(ByteSource& source, std::size_t maxLineBytes = kMaxLineBytes);

  // The next line. After End, TooLong or ReadFailed it returns End.
  ScriptLine Next();
  // The number of the line that Next() returned last, or is reading when it fails.
  [[nodiscard]] long LineNumber() const { return lineNumber_; }

 private:
  // False at the end of the input; fills `error_` when a read fails.
  bool Refill();
  void SkipByteOrderMark();

  ByteSource& source_;
  std::size_t maxLineBytes_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::size_t bomMatched_ = 0;  // bytes of a byte order mark seen at the start
  bool atStart_ = true;
  bool finished_ = false;
  std::optional<std::string> error_;
  std::string line_;
  long lineNumber_ = 0;
};

}  // namespace reedfall::sim
