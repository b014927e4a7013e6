// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/decimal_reader.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

#include "world/library_charconv.h"

namespace reedfall::sim {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An optional '-', then digits with at most one '.' among them, and at least one digit.
bool IsPlainDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '-') {
    text.remove_prefix(1);
  }
  bool digit = false;
  bool point = false;
  for (const char c : text) {
    if (IsDigit(c)) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

#if REEDFALL_LIBRARY_CHARCONV
// Whether a plain decimal is at least 1 in magnitude.
bool HasWholePart(std::string_view text) {
  const std::string_view whole = text.substr(0, text.find('.'));
  return whole.find_first_not_of("-0") != std::string_view::npos;
}
#endif

}  // namespace

std::optional<double> ReadDecimal(std::string_view text) {
#if REEDFALL_LIBRARY_CHARCONV
  if (!IsPlainDecimal(text)) {
    return std::nullopt;
  }
  double value = 0;
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small for a double reads as 0; too large is no double at all.
    if (HasWholePart(text)) {
      return std::nullopt;
    }
    return text.front() == '-' ? -0.0 : 0.0;
  }
  return value;
#else
  return portable::ReadDecimal(text);
#endif
}

namespace portable {

std::optional<double> ReadDecimal(std::string_view text) {
  if (!IsPlainDecimal(text)) {
    return std::nullopt;
  }
  // The digits without their point and a power of ten instead: "-12.5" is read as "-125e-1",
  // which strtod reads the same in every locale.
  std::string scientific;
  scientific.reserve(text.size() + 16);
  long fraction = 0;
  bool afterPoint = false;
  for (const char c : text) {
    if (c == '.') {
      afterPoint = true;
    } else {
      scientific += c;
      fraction += afterPoint ? 1 : 0;
    }
  }
  scientific += "e-" + std::to_string(fraction);
  const double value = std::strtod(scientific.c_str(), nullptr);
  if (std::isinf(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace portable

}  // namespace reedfall::sim
