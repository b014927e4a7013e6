// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/status_text.h"

#include <array>
#include <charconv>

namespace reedfall {

std::string FormatScore(double score) {
  // Fixed notation of the shortest round-trip form: 18200 stays "18200", 0.5 is "0.5".
  std::array<char, 400> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), score, std::chars_format::fixed);
  std::string text(buffer.data(), result.ptr);
  if (text == "-0") {
    text = "0";
  }
  return text;
}

std::string StatusText(std::string_view prefix, Int16 value) {
  std::string text(prefix);
  text += std::to_string(value);
  return text;
}

std::string StatusText(std::string_view prefix, double value) {
  std::string text(prefix);
  text += FormatScore(value);
  return text;
}

}  // namespace reedfall
