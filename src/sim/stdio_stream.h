// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A C stream as the script's byte source or as the driver's output, with every failure
// reported: C's stdio is on every platform the game builds for.
#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sim/line_reader.h"
#include "sim/script.h"

namespace reedfall::sim {

class FileSource final : public ByteSource {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {}
  // Returns at a line end, so that a line typed or piped in runs before the next arrives.
  ReadOutcome Read(std::span<char> buffer) override;

 private:
  std::FILE* file_;
  std::optional<std::string> pendingError_;  // met after some bytes, reported next time
};

class FileSink final : public OutputSink {
 public:
  explicit FileSink(std::FILE* file) : file_(file) {}
  std::optional<std::string> Write(std::string_view bytes) override;
  std::optional<std::string> Flush() override;

 private:
  std::FILE* file_;
};

}  // namespace reedfall::sim
