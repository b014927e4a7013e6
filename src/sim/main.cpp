// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// reedfall-sim [SCRIPT]: plays the game headless on a virtual clock, one command a line, from
// SCRIPT or standard input.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "sim/driver.h"

namespace {

constexpr int kScriptError = 2;

int Fail(const char* message, const char* detail) {
  std::fprintf(stderr, "reedfall-sim: %s%s\n", message, detail);
  return kScriptError;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    return Fail("usage: reedfall-sim [SCRIPT]", "");
  }
  const bool fromStdin = argc < 2 || std::string_view(argv[1]) == "-";
  std::FILE* input = fromStdin ? stdin : std::fopen(argv[1], "r");
  if (input == nullptr) {
    std::fprintf(stderr, "reedfall-sim: cannot read %s: %s\n", argv[1], std::strerror(errno));
    return kScriptError;
  }

  reedfall::sim::Driver driver;
  char* line = nullptr;
  std::size_t capacity = 0;
  long lineNumber = 0;
  int status = 0;
  for (;;) {
    errno = 0;
    const ssize_t length = getline(&line, &capacity, input);
    if (length < 0) {
      if (std::ferror(input) != 0) {
        std::fprintf(stderr, "reedfall-sim: cannot read %s: %s\n",
                     fromStdin ? "standard input" : argv[1], std::strerror(errno));
        status = kScriptError;
      }
      break;
    }
    ++lineNumber;
    std::string_view text(line, static_cast<std::size_t>(length));
    if (!text.empty() && text.back() == '\n') {
      text.remove_suffix(1);
    }
    const reedfall::sim::LineResult result = driver.Run(text);
    if (result.kind == reedfall::sim::LineResult::Kind::Error) {
      std::fflush(stdout);
      std::fprintf(stderr, "reedfall-sim: line %ld: %s\n", lineNumber, result.error.c_str());
      status = kScriptError;
      break;
    }
    if (!result.output.empty()) {
      std::fwrite(result.output.data(), 1, result.output.size(), stdout);
      std::fflush(stdout);
    }
    if (result.kind == reedfall::sim::LineResult::Kind::Ended) {
      break;
    }
  }
  std::free(line);  // NOLINT(cppcoreguidelines-no-malloc): getline's buffer
  if (!fromStdin) {
    std::fclose(input);
  }
  return status;
}
