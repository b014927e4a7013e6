// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/stdio_stream.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace reedfall::sim {

namespace {

std::string Reason(int code, const char* fallback) {
  return code != 0 ? std::string(std::strerror(code)) : std::string(fallback);
}

}  // namespace

ReadOutcome FileSource::Read(std::span<char> buffer) {
  if (pendingError_) {
    return {0, std::exchange(pendingError_, std::nullopt)};
  }
  std::size_t count = 0;
  while (count < buffer.size()) {
    errno = 0;
    const int c = std::getc(file_);
    if (c == EOF) {
      if (std::ferror(file_) != 0) {
        std::string reason = Reason(errno, "read error");
        if (count == 0) {
          return {0, std::move(reason)};
        }
        pendingError_ = std::move(reason);
      }
      break;
    }
    buffer[count++] = static_cast<char>(c);
    if (c == '\n') {
      break;
    }
  }
  return {count, std::nullopt};
}

std::optional<std::string> FileSink::Write(std::string_view bytes) {
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    return Reason(errno, "write error");
  }
  return std::nullopt;
}

std::optional<std::string> FileSink::Flush() {
  errno = 0;
  if (std::fflush(file_) != 0 || std::ferror(file_) != 0) {
    return Reason(errno, "write error");
  }
  return std::nullopt;
}

}  // namespace reedfall::sim
