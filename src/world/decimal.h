// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the game writes them: plain decimals, never an exponent, a thousands separator or
// the locale's decimal comma, and the same text on every standard library. The driver reads
// them back (sim/decimal_reader.h).
#pragma once

#include <string>
#include <string_view>

namespace reedfall {

// The shortest plain decimal that reads back as the same value: 0.5 is "0.5", 0.1f is "0.1".
// A whole number is written with every digit and no decimal point (2^60 is
// "1152921504606846976"). Minus zero is "0": nothing has no sign.
std::string DecimalText(double value);
std::string DecimalText(float value);

// The stand-in for the standard library's floating-point std::to_chars, built on C's printf
// alone, for the libraries that lack it (world/library_charconv.h). It is as exact as the C
// library's printf. Always built, so that the tests hold it to the library's answers wherever
// both exist.
namespace portable {
// What std::to_chars(first, last, value, std::chars_format::fixed) writes: "-0" included.
std::string FixedText(double value);
std::string FixedText(float value);
}  // namespace portable

}  // namespace reedfall
