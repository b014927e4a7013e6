// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the standard library converts floating-point numbers itself (std::to_chars and
// std::from_chars): exact, fast and independent of the locale. libstdc++ and Microsoft's
// library announce them with this macro; libc++ leaves it out until it has both directions
// (emscripten ships libc++ 13, which has neither). The writer and the reader of plain decimals
// take the library's calls where there are some, and stand-ins on C's printf and strtod where
// not.
#pragma once

#include <version>

// NOLINTBEGIN(cppcoreguidelines-macro-usage): it chooses what is compiled
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define REEDFALL_LIBRARY_CHARCONV 1
#else
#define REEDFALL_LIBRARY_CHARCONV 0
#endif
// NOLINTEND(cppcoreguidelines-macro-usage)
