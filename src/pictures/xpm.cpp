// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/xpm.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace reedfall::pictures {
namespace {

constexpr std::string_view kMagic = "/* XPM */";
// Far beyond any picture of the game; keeps width * height * chars well inside an int.
constexpr int kMaxSide = 4096;
constexpr int kMaxCharsPerPixel = 4;

// The text's strings, or why the text is no C array of strings.
struct Strings {
  std::vector<std::string_view> strings;
  std::string error;
};

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  Strings Split() {
    Strings out;
    if (!text_.starts_with(kMagic)) {
      out.error = "not an XPM picture: it does not start with /* XPM */";
      return out;
    }
    at_ = kMagic.size();
    if (!SkipToArray(out.error) || !ReadStrings(out) || !ReadEnd(out.error)) {
      out.strings.clear();
    }
    return out;
  }

 private:
  [[nodiscard]] bool AtEnd() const { return at_ >= text_.size(); }
  [[nodiscard]] char Here() const { return text_[at_]; }

  [[nodiscard]] std::string Where() const {
    const auto line =
        std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(at_), '\n');
    return "line " + std::to_string(line + 1);
  }

  // Past white space and comments. False on a comment that never ends.
  bool SkipSpace(std::string& error) {
    while (!AtEnd()) {
      const char c = Here();
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
        ++at_;
      } else if (text_.substr(at_).starts_with("/*")) {
        const std::size_t end = text_.find("*/", at_ + 2);
        if (end == std::string_view::npos) {
          error = "truncated: a comment does not end (" + Where() + ")";
          return false;
        }
        at_ = end + 2;
      } else if (text_.substr(at_).starts_with("//")) {
        const std::size_t end = text_.find('\n', at_);
        at_ = end == std::string_view::npos ? text_.size() : end + 1;
      } else {
        return true;
      }
    }
    return true;
  }

  // Past the declaration, up to and including the array's opening brace.
  bool SkipToArray(std::string& error) {
    while (SkipSpace(error)) {
      if (AtEnd()) {
        error = "truncated: no array of strings";
        return false;
      }
      if (Here() == '"') {
        error = "a string before the array's opening brace (" + Where() + ")";
        return false;
      }
      if (Here() == '{') {
        ++at_;
        return true;
      }
      ++at_;
    }
    return false;
  }

  bool ReadStrings(Strings& out) {
    while (SkipSpace(out.error)) {
      if (AtEnd()) {
        out.error = "truncated: the array of strings does not end";
        return false;
      }
      if (Here() == '}' && !out.strings.empty()) {
        ++at_;
        return true;
      }
      if (Here() != '"') {
        out.error = "a string expected (" + Where() + ")";
        return false;
      }
      const std::size_t begin = ++at_;
      const std::size_t end = text_.find_first_of("\"\\\n", begin);
      if (end == std::string_view::npos || text_[end] == '\n') {
        out.error = "truncated: a string does not end (" + Where() + ")";
        return false;
      }
      if (text_[end] == '\\') {
        at_ = end;
        out.error = "escape sequences are not read (" + Where() + ")";
        return false;
      }
      out.strings.push_back(text_.substr(begin, end - begin));
      at_ = end + 1;
      if (!SkipSpace(out.error)) {
        return false;
      }
      if (!AtEnd() && Here() == ',') {
        ++at_;
      } else if (AtEnd() || Here() != '}') {
        out.error = AtEnd() ? "truncated: the array of strings does not end"
                            : "a comma or the array's end expected (" + Where() + ")";
        return false;
      }
    }
    return false;
  }

  bool ReadEnd(std::string& error) {
    if (!SkipSpace(error)) {
      return false;
    }
    if (AtEnd() || Here() != ';') {
      error = "truncated: no semicolon after the array";
      return false;
    }
    ++at_;
    if (!SkipSpace(error)) {
      return false;
    }
    if (!AtEnd()) {
      error = "text after the array (" + Where() + ")";
      return false;
    }
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (true) {
    at = line.find_first_not_of(" \t", at);
    if (at == std::string_view::npos) {
      return words;
    }
    const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
    words.push_back(line.substr(at, end - at));
    at = end;
  }
}

std::optional<int> Number(std::string_view word) {
  int value = 0;
  const auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (status != std::errc() || end != word.data() + word.size()) {
    return std::nullopt;
  }
  return value;
}

struct Values {
  int width = 0;
  int height = 0;
  int colours = 0;
  int charsPerPixel = 0;
};

std::optional<Values> ReadValues(std::string_view line, std::string& error) {
  const std::vector<std::string_view> words = Words(line);
  std::vector<int> numbers;
  for (const std::string_view word : words) {
    const std::optional<int> number = Number(word);
    if (!number) {
      error = "values line: '" + std::string(word) + "' is not a whole number";
      return std::nullopt;
    }
    numbers.push_back(*number);
  }
  // Columns, rows, colours, chars per pixel, and perhaps a hot spot, which the game keeps in code.
  if (numbers.size() != 4 && numbers.size() != 6) {
    error = "values line: columns, rows, colours and chars per pixel expected";
    return std::nullopt;
  }
  const Values values{numbers[0], numbers[1], numbers[2], numbers[3]};
  if (values.width < 1 || values.width > kMaxSide || values.height < 1 ||
      values.height > kMaxSide) {
    error = "values line: a size from 1 to " + std::to_string(kMaxSide) + " expected";
    return std::nullopt;
  }
  if (values.colours < 1 || values.charsPerPixel < 1 || values.charsPerPixel > kMaxCharsPerPixel) {
    error = "values line: at least one colour, and 1 to " + std::to_string(kMaxCharsPerPixel) +
            " chars per pixel expected";
    return std::nullopt;
  }
  return values;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return std::nullopt;
}

std::optional<Rgba> ColourOf(std::string_view value) {
  if (SameLetters(value, "None")) {
    return Rgba{};
  }
  if (value.size() != 7 || value[0] != '#') {
    return std::nullopt;
  }
  std::array<std::uint8_t, 3> channels{};
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const std::optional<int> high = HexDigit(value[1 + (2 * i)]);
    const std::optional<int> low = HexDigit(value[2 + (2 * i)]);
    if (!high || !low) {
      return std::nullopt;
    }
    channels.at(i) = static_cast<std::uint8_t>((*high * 16) + *low);
  }
  return Opaque(channels[0], channels[1], channels[2]);
}

bool IsVisualKey(std::string_view word) {
  return word == "c" || word == "m" || word == "g" || word == "g4" || word == "s";
}

// The colour that a colour line gives for a colour screen ("c"), or why it gives none.
std::optional<Rgba> ReadColour(std::string_view rest, const std::string& which,
                               std::string& error) {
  std::string_view key;
  std::string value;
  bool found = false;
  for (const std::string_view word : Words(rest)) {
    if (IsVisualKey(word)) {
      key = word;
      continue;
    }
    if (key.empty()) {
      error = which + ": '" + std::string(word) + "' is no key of a colour";
      return std::nullopt;
    }
    if (key == "c") {
      value += value.empty() ? "" : " ";
      value += word;
      found = true;
    }
  }
  if (!found) {
    error = which + ": no colour for a colour screen (c)";
    return std::nullopt;
  }
  const std::optional<Rgba> colour = ColourOf(value);
  if (!colour) {
    error = which + ": '" + value + "' is neither #RRGGBB nor None";
  }
  return colour;
}

// The colour table: the pixel keys of one char through a table, longer keys through a map.
class Palette {
 public:
  explicit Palette(int charsPerPixel) : charsPerPixel_(charsPerPixel) { single_.fill(-1); }

  // False when the key is there already.
  bool Add(std::string_view key, Rgba colour) {
    const int index = static_cast<int>(colours_.size());
    if (charsPerPixel_ == 1) {
      auto& slot = single_.at(static_cast<unsigned char>(key[0]));
      if (slot >= 0) {
        return false;
      }
      slot = static_cast<std::int16_t>(index);
    } else if (!longer_.emplace(key, index).second) {
      return false;
    }
    colours_.push_back(colour);
    return true;
  }

  // noexcept, so that the decoder's loop calls it directly (below).
  [[nodiscard]] std::optional<Rgba> Find(std::string_view key) const noexcept {
    if (charsPerPixel_ == 1) {
      // Not at(): a char always indexes the table, and a call that may throw costs the web
      // page a round trip through its script for every pixel (below).
      // NOLINTNEXTLINE(cppcoreguidelines-pro-bounds-constant-array-index)
      const std::int16_t index = single_[static_cast<unsigned char>(key[0])];
      return index >= 0 ? std::optional(colours_[static_cast<std::size_t>(index)]) : std::nullopt;
    }
    const auto found = longer_.find(key);
    return found != longer_.end() ? std::optional(colours_[static_cast<std::size_t>(found->second)])
                                  : std::nullopt;
  }

 private:
  int charsPerPixel_;
  std::array<std::int16_t, 256> single_{};
  std::map<std::string_view, int> longer_;
  std::vector<Rgba> colours_;
};

DecodedXpm Refused(std::string error) { return {Image(), std::move(error)}; }

}  // namespace

DecodedXpm DecodeXpm(std::string_view text) {
  Strings split = Lexer(text).Split();
  if (!split.error.empty()) {
    return Refused(std::move(split.error));
  }
  const std::vector<std::string_view>& strings = split.strings;
  std::string error;
  const std::optional<Values> values = ReadValues(strings[0], error);
  if (!values) {
    return Refused(std::move(error));
  }
  const auto [width, height, colours, cpp] = *values;
  const std::size_t expected =
      1 + static_cast<std::size_t>(colours) + static_cast<std::size_t>(height);
  if (strings.size() < expected) {
    return Refused("truncated: " + std::to_string(strings.size()) + " strings, not " +
                   std::to_string(expected));
  }
  if (strings.size() > expected) {
    return Refused("more strings than the values line gives (" + std::to_string(strings.size()) +
                   ", not " + std::to_string(expected) + ")");
  }

  Palette palette(cpp);
  for (int i = 0; i < colours; ++i) {
    const std::string_view line = strings[1 + static_cast<std::size_t>(i)];
    const std::string which = "colour " + std::to_string(i);
    if (line.size() < static_cast<std::size_t>(cpp)) {
      return Refused(which + ": shorter than its key");
    }
    const std::optional<Rgba> colour =
        ReadColour(line.substr(static_cast<std::size_t>(cpp)), which, error);
    if (!colour) {
      return Refused(std::move(error));
    }
    if (!palette.Add(line.substr(0, static_cast<std::size_t>(cpp)), *colour)) {
      return Refused(which + ": its key '" +
                     std::string(line.substr(0, static_cast<std::size_t>(cpp))) + "' stands twice");
    }
  }

  Image image(width, height);
  const std::size_t rowLength = static_cast<std::size_t>(width) * static_cast<std::size_t>(cpp);
  for (int y = 0; y < height; ++y) {
    const std::string_view row = strings[1 + static_cast<std::size_t>(colours + y)];
    if (row.size() != rowLength) {
      return Refused("row " + std::to_string(y) + ": " + std::to_string(row.size()) +
                     " chars, not " + std::to_string(rowLength));
    }
    // The row's length is checked above, so no key needs substr()'s check: with exceptions
    // compiled in, WebAssembly makes every call that may throw a round trip through the page's
    // script, and the scenery alone has 80 000 pixels.
    for (int x = 0; x < width; ++x) {
      const std::string_view key(
          row.data() + (static_cast<std::size_t>(x) * static_cast<std::size_t>(cpp)),
          static_cast<std::size_t>(cpp));
      const std::optional<Rgba> colour = palette.Find(key);
      if (!colour) {
        return Refused("row " + std::to_string(y) + ", column " + std::to_string(x) +
                       ": the pixel '" + std::string(key) + "' is in no colour");
      }
      image.SetPixel(x, y, *colour);
    }
  }
  return {std::move(image), {}};
}

}  // namespace reedfall::pictures
