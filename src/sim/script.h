// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A whole script through the driver: its lines read, run in order and what they print
// written out, until its end, an error, or the end of the program. Every way it can fail
// (a line in error, a failed read, output that cannot be written) ends with status 2 and a
// message; none passes for a whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/driver.h"
#include "sim/line_reader.h"

namespace reedfall::sim {

inline constexpr int kScriptFailed = 2;

class OutputSink {
 public:
  virtual ~OutputSink() = default;
  // Each returns the reason when the bytes could not be written, none when they were.
  virtual std::optional<std::string> Write(std::string_view bytes) = 0;
  virtual std::optional<std::string> Flush() = 0;

 protected:
  OutputSink() = default;
  OutputSink(const OutputSink&) = default;
  OutputSink(OutputSink&&) = default;
  OutputSink& operator=(const OutputSink&) = default;
  OutputSink& operator=(OutputSink&&) = default;
};

struct ScriptOptions {
  std::string_view inputName = "standard input";  // for messages
  std::string_view outputName = "standard output";
  // Flush after every command, for a program that reads each answer before it writes on.
  bool flushEachCommand = false;
  std::size_t maxLineBytes = kMaxLineBytes;
  std::int64_t clockLimit = kClockLimit;
};

struct ScriptOutcome {
  int status = 0;
  std::string message;  // for standard error, each line ended; empty when all went well
};

ScriptOutcome RunScript(ByteSource& input, OutputSink& output, const ScriptOptions& options);

}  // namespace reedfall::sim
