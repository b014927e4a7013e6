// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plain decimals as the game writes them (labels, dumps) and as the driver reads them (`rand`),
// by the standard library or by the stand-ins, which must agree with it.
#include "world/decimal.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "sim/decimal_reader.h"

namespace reedfall {
namespace {

// `head`, `count` zeros, then `tail`: long numbers, spelt out. (Appended rather than added up:
// GCC 12 warns wrongly of overlapping copies in "..." + std::string at -O3.)
std::string WithZeros(std::string_view head, std::size_t count, std::string_view tail = "") {
  std::string text(head);
  text.append(count, '0');
  text.append(tail);
  return text;
}

// std::bit_cast, which libc++ 13 lacks.
template <typename To, typename From>
To BitCast(From from) {
  static_assert(sizeof(To) == sizeof(From));
  To to{};
  std::memcpy(&to, &from, sizeof to);
  return to;
}

// The same bits, so that minus zero is told from zero.
bool Same(std::optional<double> a, std::optional<double> b) {
  return a.has_value() == b.has_value() &&
         (!a || BitCast<std::uint64_t>(*a) == BitCast<std::uint64_t>(*b));
}

// Numbers as the game writes them in labels and dumps, by the standard library or by the
// stand-in, whichever this platform uses, and by the stand-in itself, which must agree.
TEST(DecimalText, IsTheShortestPlainDecimalThatReadsBack) {
  const struct {
    double value;
    std::string text;
  } doubles[] = {
      {0, "0"},
      {-0.0, "0"},
      {7500, "7500"},
      {18200, "18200"},
      {93410, "93410"},
      {-510, "-510"},
      {0.5, "0.5"},
      {0.1, "0.1"},
      {0.7, "0.7"},
      {0.999755859375, "0.999755859375"},
      {0.1 + 0.2, "0.30000000000000004"},
      {2.0 / 3, "0.6666666666666666"},
      {1 - 0x1p-53, "0.9999999999999999"},
      {1e-7, "0.0000001"},
      {9007199254740991, "9007199254740991"},  // 2^53 - 1, the clock's end
      {-9007199254740991, "-9007199254740991"},
      // Whole numbers with every digit, past the shortest form that would read back.
      {1e17, "100000000000000000"},
      {0x1p60, "1152921504606846976"},
      {1e23, "99999999999999991611392"},
      {5e-324, WithZeros("0.", 323, "5")},
      // A power of two whose nearest 16-digit decimal reads back as the number below it.
      {0x1p-1017, WithZeros("0.", 306, "7120236347223045")},
  };
  for (const auto& row : doubles) {
    EXPECT_EQ(DecimalText(row.value), row.text) << row.text;
    if (row.value != 0) {
      EXPECT_EQ(portable::FixedText(row.value), row.text);
    }
    EXPECT_TRUE(Same(sim::ReadDecimal(row.text), row.value == 0 ? 0.0 : row.value)) << row.text;
    EXPECT_TRUE(Same(sim::portable::ReadDecimal(row.text), row.value == 0 ? 0.0 : row.value));
  }
  const struct {
    float value;
    std::string text;
  } floats[] = {
      {-0.0F, "0"},
      {7290, "7290"},
      {-510, "-510"},
      {2425.25F, "2425.25"},
      {0.1F, "0.1"},
      {0.1F + 0.2F, "0.3"},
      {16777216, "16777216"},
      {3.4e38F, "339999995214436424907732413799364296704"},
      {0x1p-96F, WithZeros("0.", 28, "12621775")},
  };
  for (const auto& row : floats) {
    EXPECT_EQ(DecimalText(row.value), row.text) << row.text;
    if (row.value != 0) {
      EXPECT_EQ(portable::FixedText(row.value), row.text);
    }
  }
  // Like the library, the stand-in keeps the sign of minus zero; the game's texts drop it.
  EXPECT_EQ(portable::FixedText(-0.0), "-0");
  EXPECT_EQ(portable::FixedText(-0.0F), "-0");
}

// Every power of two and a spread of random bit patterns: the stand-in's text reads back as the
// number, no shorter one does, and where the library converts too, both write the same.
TEST(DecimalText, TheStandInWritesWhatTheLibraryWrites) {
  // The stand-in is as exact as C's strtod. MinGW-w64's reads 3839223843572815e-254, just
  // below 2^-792, as 2^-792 itself; there the library converts and the stand-in is not used.
  if (std::strtod("3839223843572815e-254", nullptr) == 0x1p-792) {
    GTEST_SKIP() << "this C library's strtod does not round exactly at powers of two";
  }
  std::vector<double> doubles;
  std::vector<float> floats;
  for (int k = -1074; k < 1024; ++k) {
    doubles.push_back(std::ldexp(1.0, k));
  }
  for (int k = -149; k < 128; ++k) {
    floats.push_back(std::ldexp(1.0F, k));
  }
  std::mt19937_64 bits(15);
  while (doubles.size() < 6000) {
    const auto value = BitCast<double>(bits());
    if (std::isfinite(value)) {
      doubles.push_back(value);
    }
  }
  while (floats.size() < 4000) {
    const auto value = BitCast<float>(static_cast<std::uint32_t>(bits()));
    if (std::isfinite(value)) {
      floats.push_back(value);
    }
  }
  // A number that is not whole, written with one digit fewer: cut, and cut then one unit up.
  const auto shorter = [](const std::string& text) {
    const std::string cut = text.substr(0, text.size() - 1);
    std::string up = cut;
    std::size_t i = up.size();
    for (; i > 0 && (up[i - 1] == '9' || up[i - 1] == '.'); --i) {
      up[i - 1] = up[i - 1] == '9' ? '0' : '.';
    }
    if (i > 0 && up[i - 1] != '-') {
      ++up[i - 1];
    } else {
      up.insert(up.begin() + static_cast<std::ptrdiff_t>(i), '1');
    }
    return std::pair{cut, up};
  };
#if defined(__cpp_lib_to_chars)
  // What the standard library writes, where it has the call, for the stand-in to match.
  const auto LibraryFixedText = [](auto value) {
    std::array<char, 400> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed)
            .ptr;
    return std::string(buffer.data(), end);
  };
#endif
  for (const double value : doubles) {
    const std::string text = portable::FixedText(value);
    ASSERT_TRUE(Same(sim::portable::ReadDecimal(text), value)) << text;
    if (std::trunc(value) != value) {
      const auto [cut, up] = shorter(text);
      EXPECT_NE(sim::portable::ReadDecimal(cut), value) << text;
      EXPECT_NE(sim::portable::ReadDecimal(up), value) << text;
    }
#if defined(__cpp_lib_to_chars)
    ASSERT_EQ(text, LibraryFixedText(value));
    ASSERT_TRUE(Same(sim::ReadDecimal(text), value)) << text;
#endif
  }
  for (const float value : floats) {
    const std::string text = portable::FixedText(value);
    ASSERT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
#if defined(__cpp_lib_to_chars)
    ASSERT_EQ(text, LibraryFixedText(value));
#endif
  }
}

// What `rand` takes: the nearest double, both ways.
TEST(ReadDecimal, TakesPlainDecimalsOnly) {
  std::string rounded = "0.";
  rounded.append(1000, '1');
  const struct {
    std::string text;
    std::optional<double> value;
  } rows[] = {
      {"0.7", 0.7},
      {"0.25", 0.25},
      {"0.999755859375", 0.999755859375},
      {"0.99999999999999999999", 1.0},  // more nines than a double holds
      {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
      {rounded, 1.0 / 9},
      {".5", 0.5},
      {"7.", 7.0},
      {"-12.5", -12.5},
      {"-0", -0.0},
      {"0000.5000", 0.5},
      {"9007199254740991", 9007199254740991.0},
      {"9007199254740993", 9007199254740992.0},  // halfway: to the even one
      {WithZeros("0.", 320, "1"), 1e-321},
      {WithZeros("0.", 400, "1"), 0.0},  // too small for any double
      {WithZeros("-0.", 400, "1"), -0.0},
      {WithZeros("179769313486231570", 291), std::numeric_limits<double>::max()},
      {WithZeros("1", 309), std::nullopt},  // past the largest double
      {"", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"-.", std::nullopt},
      {"+1", std::nullopt},
      {"--1", std::nullopt},
      {"1e5", std::nullopt},
      {"0x1", std::nullopt},
      {"1,5", std::nullopt},
      {"1.2.3", std::nullopt},
      {" 1", std::nullopt},
      {"1 ", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_TRUE(Same(sim::ReadDecimal(row.text), row.value)) << row.text.substr(0, 40);
    EXPECT_TRUE(Same(sim::portable::ReadDecimal(row.text), row.value)) << row.text.substr(0, 40);
  }
}

}  // namespace
}  // namespace reedfall
