// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// reedfall-sim [SCRIPT]: plays the game headless on a virtual clock, one command a line, from
// SCRIPT or standard input.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "sim/script.h"
#include "sim/stdio_stream.h"

// Platform guard: Windows opens the standard streams in text mode, which would turn CRLF
// into LF before the reader sees it, end a script at a Ctrl-Z byte and write CRLF for LF (on
// standard error too, where the messages must end as they do everywhere else).
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void UseBinaryStandardStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
}

// Why a script could not be opened. A folder is told as such: Windows refuses to open one
// ("Permission denied") where Linux opens it and fails the first read, and the message is the
// same everywhere.
std::string OpenFailure(const char* path, int error) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    return std::string("reedfall-sim: cannot read ") + path + " at line 1: Is a directory\n";
  }
  return std::string("reedfall-sim: cannot read ") + path + ": " + std::strerror(error) + "\n";
}

void PrintError(std::string_view message) {
  // Nowhere is left to report a failure to write the report itself.
  static_cast<void>(std::fwrite(message.data(), 1, message.size(), stderr));
}

}  // namespace

int main(int argc, char** argv) {
  using reedfall::sim::kScriptFailed;
  const std::span<char*> args(argv, static_cast<std::size_t>(argc));
  if (args.size() > 2) {
    PrintError("reedfall-sim: usage: reedfall-sim [SCRIPT]\n");
    return kScriptFailed;
  }
  UseBinaryStandardStreams();
  const bool fromStdin = args.size() < 2 || std::string_view(args[1]) == "-";
  std::FILE* input = fromStdin ? stdin : std::fopen(args[1], "rb");
  if (input == nullptr) {
    PrintError(OpenFailure(args[1], errno));
    return kScriptFailed;
  }

  reedfall::sim::FileSource source(input);
  reedfall::sim::FileSink output(stdout);
  reedfall::sim::ScriptOptions options;
  if (!fromStdin) {
    options.inputName = args[1];
  }
  // A program at the other end of a pipe reads each answer before it writes the next line.
  options.flushEachCommand = fromStdin;
  const reedfall::sim::ScriptOutcome outcome = RunScript(source, output, options);
  if (!fromStdin) {
    // Read only: closing it cannot lose anything.
    static_cast<void>(std::fclose(input));  // NOLINT(cppcoreguidelines-owning-memory)
  }
  PrintError(outcome.message);
  return outcome.status;
}
