// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the game writes and reads them: plain decimals, never an exponent, a thousands
// separator or the locale's decimal comma, and the same text on every standard library.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace reedfall {

// The shortest plain decimal that reads back as the same value: 0.5 is "0.5", 0.1f is "0.1".
// A whole number is written with every digit and no decimal point (2^60 is
// "1152921504606846976"). Minus zero is "0": nothing has no sign.
std::string DecimalText(double value);
std::string DecimalText(float value);

// A plain decimal: an optional '-', then digits with at most one '.' among them ("0.25", ".5",
// "7."). The nearest double; 0 for a magnitude too small for any double. None for any other
// text, and for a magnitude past the largest double.
std::optional<double> ReadDecimal(std::string_view text);

// The stand-ins for the standard library's floating-point std::to_chars and std::from_chars,
// built on C's printf and strtod alone, for the libraries that lack them (libc++ 13, which
// emscripten ships, and libc++ until it has both). They are as exact as the C library's
// printf and strtod. Always built, so that the tests hold them to the library's answers
// wherever both exist.
namespace portable {
// What std::to_chars(first, last, value, std::chars_format::fixed) writes: "-0" included.
std::string FixedText(double value);
std::string FixedText(float value);
// ReadDecimal above, by strtod.
std::optional<double> ReadDecimal(std::string_view text);
}  // namespace portable

}  // namespace reedfall
