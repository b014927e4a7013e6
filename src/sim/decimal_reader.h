// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plain decimals as the driver reads them from a script (`rand 0.25`): the inverse of the
// game's writer (world/decimal.h), exact on every standard library.
#pragma once

#include <optional>
#include <string_view>

namespace reedfall::sim {

// A plain decimal: an optional '-', then digits with at most one '.' among them ("0.25", ".5",
// "7."). The nearest double; 0 for a magnitude too small for any double. None for any other
// text, and for a magnitude past the largest double.
std::optional<double> ReadDecimal(std::string_view text);

// The stand-in for the standard library's floating-point std::from_chars, built on C's strtod
// alone, for the libraries that lack it (world/library_charconv.h); always built, so that the
// tests hold it to the library's answers wherever both exist.
namespace portable {
std::optional<double> ReadDecimal(std::string_view text);
}  // namespace portable

}  // namespace reedfall::sim
