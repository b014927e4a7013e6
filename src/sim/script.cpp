// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/script.h"

#include <new>
#include <utility>

namespace reedfall::sim {

namespace {

class Run {
 public:
  Run(ByteSource& input, OutputSink& output, const ScriptOptions& options)
      : output_(output),
        options_(options),
        driver_(options.clockLimit),
        reader_(input, options.maxLineBytes) {}

  ScriptOutcome Play() {
    try {
      PlayLines();
    } catch (const std::bad_alloc&) {
      LineFailed("out of memory");
    }
    // What is still buffered must get out too, or the run has not succeeded.
    if (!writeFailed_) {
      CheckWrite(output_.Flush());
    }
    return std::move(outcome_);
  }

 private:
  void PlayLines() {
    for (;;) {
      const ScriptLine line = reader_.Next();
      switch (line.kind) {
        case ScriptLine::Kind::End:
          return;
        case ScriptLine::Kind::TooLong:
          LineFailed("longer than " + std::to_string(options_.maxLineBytes) + " bytes");
          return;
        case ScriptLine::Kind::ReadFailed:
          Fail("cannot read " + std::string(options_.inputName) + " at line " +
               std::to_string(reader_.LineNumber()) + ": " + line.error);
          return;
        case ScriptLine::Kind::Text:
          break;
      }
      const LineResult result = driver_.Run(line.text);
      if (result.kind == LineResult::Kind::Error) {
        LineFailed(result.error);
        return;
      }
      if (!result.output.empty() && !CheckWrite(output_.Write(result.output))) {
        return;
      }
      if (options_.flushEachCommand && !CheckWrite(output_.Flush())) {
        return;
      }
      if (result.kind == LineResult::Kind::Ended) {
        return;
      }
    }
  }

  // A line in error: what the lines before it printed goes out first.
  void LineFailed(const std::string& reason) {
    if (!writeFailed_) {
      CheckWrite(output_.Flush());
    }
    Fail("line " + std::to_string(reader_.LineNumber()) + ": " + reason);
  }

  bool CheckWrite(const std::optional<std::string>& failure) {
    if (failure) {
      writeFailed_ = true;
      Fail("cannot write " + std::string(options_.outputName) + ": " + *failure);
    }
    return !failure;
  }

  void Fail(const std::string& message) {
    outcome_.status = kScriptFailed;
    outcome_.message += "reedfall-sim: " + message + "\n";
  }

  OutputSink& output_;
  const ScriptOptions& options_;
  Driver driver_;
  LineReader reader_;
  ScriptOutcome outcome_;
  bool writeFailed_ = false;
};

}  // namespace

ScriptOutcome RunScript(ByteSource& input, OutputSink& output, const ScriptOptions& options) {
  return Run(input, output, options).Play();
}

}  // namespace reedfall::sim
