// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/line_reader.h"

#include <algorithm>
#include <utility>

namespace reedfall::sim {

namespace {

constexpr std::size_t kBufferBytes = std::size_t{64} << 10;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

ScriptLine Make(ScriptLine::Kind kind, std::string_view text = {}, std::string error = {}) {
  return ScriptLine{kind, text, std::move(error)};
}

}  // namespace

LineReader::LineReader(ByteSource& source, std::size_t maxLineBytes)
    : source_(source), maxLineBytes_(maxLineBytes), buffer_(kBufferBytes) {}

bool LineReader::Refill() {
  ReadOutcome got = source_.Read(buffer_);
  if (got.error) {
    error_ = std::move(got.error);
    return false;
  }
  pos_ = 0;
  end_ = std::min(got.bytes, buffer_.size());
  return end_ > 0;
}

// The mark may arrive a byte at a time; until it is complete or broken, its bytes wait.
void LineReader::SkipByteOrderMark() {
  while (pos_ < end_ && bomMatched_ < kByteOrderMark.size() &&
         buffer_[pos_] == kByteOrderMark[bomMatched_]) {
    ++pos_;
    ++bomMatched_;
  }
  if (bomMatched_ == kByteOrderMark.size()) {
    atStart_ = false;
  } else if (pos_ < end_) {
    line_.append(kByteOrderMark.substr(0, bomMatched_));  // not a mark: they are text
    atStart_ = false;
  }
}

ScriptLine LineReader::Next() {
  if (finished_) {
    return {};
  }
  line_.clear();
  ++lineNumber_;
  for (;;) {
    if (pos_ == end_ && !Refill()) {
      finished_ = true;
      if (error_) {
        return Make(ScriptLine::Kind::ReadFailed, {}, *error_);
      }
      if (atStart_) {
        line_.append(kByteOrderMark.substr(0, bomMatched_));
      }
      if (line_.empty()) {
        --lineNumber_;
        return {};
      }
      // A last line without its end: a carriage return there is part of the line.
      if (line_.size() > maxLineBytes_) {
        return Make(ScriptLine::Kind::TooLong);
      }
      return Make(ScriptLine::Kind::Text, line_);
    }
    if (atStart_) {
      SkipByteOrderMark();
      if (pos_ == end_) {
        continue;
      }
    }
    const std::string_view available = std::string_view(buffer_.data(), end_).substr(pos_);
    const std::size_t lineEnd = available.find('\n');
    const std::size_t take = std::min(lineEnd, available.size());
    // One byte past the bound may still be the carriage return of a CRLF.
    if (line_.size() + take > maxLineBytes_ + 1) {
      finished_ = true;
      return Make(ScriptLine::Kind::TooLong);
    }
    line_.append(available.substr(0, take));
    pos_ += take;
    if (lineEnd != std::string_view::npos) {
      ++pos_;
      if (!line_.empty() && line_.back() == '\r') {
        line_.pop_back();
      }
      if (line_.size() > maxLineBytes_) {
        finished_ = true;
        return Make(ScriptLine::Kind::TooLong);
      }
      return Make(ScriptLine::Kind::Text, line_);
    }
  }
}

}  // namespace reedfall::sim
