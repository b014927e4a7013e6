// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "world/library_charconv.h"

namespace reedfall {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A positive number's significant decimal digits: digits × 10^exponent.
struct Digits {
  std::string digits;
  int exponent = 0;
};

// Without a decimal point, so that strtod reads it the same in every locale.
std::string Scientific(const Digits& d) { return d.digits + 'e' + std::to_string(d.exponent); }

template <typename T>
T ReadBack(const Digits& d) {
  const std::string text = Scientific(d);
  if constexpr (std::is_same_v<T, float>) {
    return std::strtof(text.c_str(), nullptr);
  } else {
    return std::strtod(text.c_str(), nullptr);
  }
}

// `value` (positive, finite) rounded to `precision` significant digits: the nearest such decimal,
// since C's printf rounds the exact binary value. Only its digits and its exponent are read, so
// the locale's decimal point does not matter.
Digits Rounded(double value, int precision) {
  std::array<char, 64> buffer{};
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): C's printf is the portable exact rounding
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.*e", precision - 1, value);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(length));
  const std::size_t e = text.find('e');
  Digits d;
  for (const char c : text.substr(0, e)) {
    if (IsDigit(c)) {
      d.digits += c;
    }
  }
  d.exponent = std::stoi(std::string(text.substr(e + 1))) - (precision - 1);
  return d;
}

// One unit more in the last digit.
Digits Next(Digits d) {
  for (auto it = d.digits.rbegin(); it != d.digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return d;
    }
    *it = '0';
  }
  d.digits.insert(0, 1, '1');
  return d;
}

// The fewest digits that read back as `value` (positive, finite, not whole) and, of those, the
// closest to it: what std::to_chars finds.
template <typename T>
Digits Shortest(T value) {
  constexpr int kEnough = std::numeric_limits<T>::max_digits10;
  for (int precision = 1; precision < kEnough; ++precision) {
    Digits nearest = Rounded(value, precision);
    const T back = ReadBack<T>(nearest);
    if (back == value) {
      return nearest;
    }
    // The nearest decimal of this length reads back as another number, and so does every one
    // beyond it on its side. Only at a power of two, where the next number below is twice as
    // close as the next above, can one on the other side still read back as `value`: the
    // nearest's neighbour above.
    if (back < value) {
      Digits above = Next(nearest);
      if (ReadBack<T>(above) == value) {
        return above;
      }
    }
  }
  return Rounded(value, kEnough);
}

// The digits of a number that is not whole, with its point: 0.5, 12.25, 0.0001.
std::string Plain(Digits d) {
  while (d.digits.back() == '0') {
    d.digits.pop_back();
    ++d.exponent;
  }
  const auto length = static_cast<int>(d.digits.size());
  const int whole = length + d.exponent;  // digits before the point
  if (whole > 0) {
    const auto at = static_cast<std::size_t>(whole);
    return d.digits.substr(0, at) + '.' + d.digits.substr(at);
  }
  return "0." + std::string(static_cast<std::size_t>(-whole), '0') + d.digits;
}

template <typename T>
std::string PortableFixedText(T value) {
  if (std::isnan(value)) {
    return std::signbit(value) ? "-nan" : "nan";
  }
  std::string text = std::signbit(value) ? "-" : "";
  const T magnitude = std::fabs(value);
  if (std::isinf(magnitude)) {
    return text + "inf";
  }
  if (std::trunc(magnitude) == magnitude) {
    // A whole number is written exactly, every digit of it: 2^60 is 1152921504606846976, not
    // the shortest 1152921504606847000. Below 2^53, the game's scores and positions, as an
    // integer; above, as printf writes it.
    if (magnitude < 0x1p53) {
      std::array<char, 20> digits{};
      auto* const end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                      static_cast<std::int64_t>(magnitude))
                            .ptr;
      return text.append(digits.data(), end);
    }
    std::array<char, 320> buffer{};
    const double whole = magnitude;
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): as above
    static_cast<void>(std::snprintf(buffer.data(), buffer.size(), "%.0f", whole));
    return text + buffer.data();
  }
  return text + Plain(Shortest(magnitude));
}

#if REEDFALL_LIBRARY_CHARCONV
template <typename T>
std::string LibraryFixedText(T value) {
  // The longest: a sign, "0.", 323 zeros and 17 digits.
  std::array<char, 400> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  return {buffer.data(), result.ptr};
}
#endif

template <typename T>
std::string Text(T value) {
  if (value == 0) {
    return "0";  // minus zero too: nothing has no sign
  }
#if REEDFALL_LIBRARY_CHARCONV
  return LibraryFixedText(value);
#else
  return PortableFixedText(value);
#endif
}

}  // namespace

std::string DecimalText(double value) { return Text(value); }
std::string DecimalText(float value) { return Text(value); }

namespace portable {

std::string FixedText(double value) { return PortableFixedText(value); }
std::string FixedText(float value) { return PortableFixedText(value); }

}  // namespace portable

}  // namespace reedfall
