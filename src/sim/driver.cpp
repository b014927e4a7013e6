// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/driver.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "sim/decimal_reader.h"

namespace reedfall::sim {

namespace {

// Blanks are space and tab only: a carriage return inside a line is part of a word, so that
// it shows in the error instead of passing unseen.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) {
      ++i;
    }
    const std::size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) {
      ++i;
    }
    if (i > start) {
      words.push_back(line.substr(start, i - start));
    }
  }
  return words;
}

struct ScriptError {
  std::string reason;
};

// The length of the well-formed UTF-8 sequence at the start of `bytes`, 0 if there is none.
std::size_t Utf8Length(std::string_view bytes) {
  const auto byte = [&](std::size_t i) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0U;
  };
  const auto continuation = [&](std::size_t i) { return byte(i) >= 0x80 && byte(i) <= 0xBF; };
  const unsigned lead = byte(0);
  if (lead < 0x80) {
    return 1;
  }
  // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
  unsigned low = 0x80;
  unsigned high = 0xBF;
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : low;
    high = lead == 0xED ? 0x9F : high;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : low;
    high = lead == 0xF4 ? 0x8F : high;
  } else {
    return 0;
  }
  if (byte(1) < low || byte(1) > high) {
    return 0;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (!continuation(i)) {
      return 0;
    }
  }
  return length;
}

// C0 controls, DEL, and the C1 controls U+0080 to U+009F, which some terminals obey too.
bool IsControl(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) {
    return lead < 0x20 || lead == 0x7F;
  }
  return lead == 0xC2 && static_cast<unsigned char>(character[1]) <= 0x9F;
}

// A word of the script as a message shows it: its first 64 bytes at most, cut between
// characters and marked when cut, with controls and bytes that are not UTF-8 as \xHH, so
// that neither a terminal nor a log is at the mercy of the script.
std::string Quoted(std::string_view word) {
  constexpr std::size_t kQuotedBytes = 64;
  constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string text = "'";
  std::size_t i = 0;
  while (i < word.size()) {
    const std::size_t length = Utf8Length(word.substr(i));
    const std::size_t take = length == 0 ? 1 : length;
    if (i + take > kQuotedBytes) {
      break;
    }
    const std::string_view bytes = word.substr(i, take);
    if (length == 0 || IsControl(bytes)) {
      for (const char c : bytes) {
        const auto value = static_cast<unsigned char>(c);
        text += "\\x";
        text += kHex[value >> 4U];
        text += kHex[value & 0xFU];
      }
    } else {
      text += bytes;
    }
    i += take;
  }
  text += "'";
  if (i < word.size()) {
    text += "\xE2\x80\xA6";  // U+2026, the ellipsis, spelt as bytes for every compiler
  }
  return text;
}

// A decimal integer: an optional minus sign and digits, nothing else.
std::int64_t ParseInteger(std::string_view word, std::int64_t lo, std::int64_t hi) {
  std::int64_t value = 0;
  const char* end = word.data() + word.size();
  const bool wellFormed = !word.empty() && word.front() != '+';
  // The end is passed beside the start: nothing reads up to a terminating zero.
  // NOLINTNEXTLINE(bugprone-suspicious-stringview-data-usage)
  const auto result = std::from_chars(word.data(), end, value);
  if (!wellFormed || result.ptr != end ||
      (result.ec != std::errc{} && result.ec != std::errc::result_out_of_range)) {
    throw ScriptError{"not a number: " + Quoted(word)};
  }
  if (result.ec == std::errc::result_out_of_range || value < lo || value > hi) {
    throw ScriptError{"number out of range: " + Quoted(word)};
  }
  return value;
}

// A decimal fraction 0 <= R < 1, such as 0.25 or 0.999755859375.
double ParseUnit(std::string_view word) {
  constexpr std::string_view kDigits = "0123456789";
  const std::size_t point = word.find('.');
  const bool wellFormed = word.find_first_not_of("0123456789.") == std::string_view::npos &&
                          word.find_first_of(kDigits) != std::string_view::npos &&
                          point == word.rfind('.');
  if (!wellFormed) {
    throw ScriptError{"not a number: " + Quoted(word)};
  }
  // 1 or more, however many digits: some are more than a double holds.
  if (word.substr(0, point).find_first_not_of('0') != std::string_view::npos) {
    throw ScriptError{"number out of range: " + Quoted(word)};
  }
  const std::optional<double> read = ReadDecimal(word);
  if (!read) {
    throw ScriptError{"not a number: " + Quoted(word)};
  }
  // A fraction with more digits than a double holds may round up to 1; it is still below 1.
  return std::min(*read, std::nextafter(1.0, 0.0));
}

void ExpectWords(const std::vector<std::string_view>& words, std::size_t count) {
  if (words.size() != count) {
    throw ScriptError{std::string(words.front()) + " takes " + std::to_string(count - 1) +
                      (count == 2 ? " word" : " words") + ", got " +
                      std::to_string(words.size() - 1)};
  }
}

// Coordinates may lie outside the client area (such a click reaches nothing), but must be
// plausible numbers.
constexpr std::int64_t kCoordinateLimit = std::numeric_limits<std::int32_t>::max();

std::pair<double, double> ParsePoint(const std::vector<std::string_view>& words) {
  return {static_cast<double>(ParseInteger(words[1], -kCoordinateLimit, kCoordinateLimit)),
          static_cast<double>(ParseInteger(words[2], -kCoordinateLimit, kCoordinateLimit))};
}

// The centre of the control's current rectangle, as a click there would be aimed.
std::pair<double, double> CentreOf(const frmMain& game, std::string_view name) {
  const std::optional<Control> control = ControlByName(name);
  if (!control) {
    throw ScriptError{"unknown control: " + Quoted(name)};
  }
  // Its rectangle, shown or not: the click is routed as any other.
  const Rect rect = Row(*control).rect(game.world().controls);
  return {rect.left + std::floor(rect.width / 2), rect.top + std::floor(rect.height / 2)};
}

}  // namespace

// The commands of the script, one row each: its name, how many words follow it (none for a
// list of one or more), and what it does. A line is looked up here by its first word.
struct Driver::Commands {
  using Words = std::vector<std::string_view>;
  struct Row {
    std::string_view name;
    std::optional<std::size_t> arguments;
    void (*run)(Driver& d, const Words& words, LineResult& result);
  };

  static std::int64_t Until(const Driver& d, const Words& words) {
    const std::int64_t ms = ParseInteger(words[1], 0, d.clockLimit_);
    if (ms > d.clockLimit_ - d.game_.Now()) {
      throw ScriptError{std::string(words[0]) + " would take the clock past " +
                        std::to_string(d.clockLimit_) + " ms"};
    }
    return d.game_.Now() + ms;
  }
  static void Wait(Driver& d, const Words& words, LineResult& /*result*/) {
    d.game_.AdvanceTo(Until(d, words));
  }
  // As a host that wakes late: a timer that fell more than an interval behind ticks once for
  // the intervals it missed. A recorded game says so where the live one did.
  static void Late(Driver& d, const Words& words, LineResult& /*result*/) {
    d.game_.AdvanceTo(Until(d, words), Lateness::DropMissed);
  }
  static void Click(Driver& d, const Words& words, LineResult& /*result*/) {
    const auto [x, y] = ParsePoint(words);
    (void)d.game_.Click(x, y);
  }
  static void DblClick(Driver& d, const Words& words, LineResult& /*result*/) {
    const auto [x, y] = ParsePoint(words);
    d.game_.DblClick(x, y);
  }
  static void ClickOn(Driver& d, const Words& words, LineResult& /*result*/) {
    const auto [x, y] = CentreOf(d.game_, words[1]);
    (void)d.game_.Click(x, y);
  }
  static void DblClickOn(Driver& d, const Words& words, LineResult& /*result*/) {
    const auto [x, y] = CentreOf(d.game_, words[1]);
    d.game_.DblClick(x, y);
  }
  // The second press of a double-click alone, on the control that took the first press: a
  // live double-click comes some time after its click, and the ducks may move between them.
  static void DblPress(Driver& d, const Words& words, LineResult& /*result*/) {
    const std::optional<Control> control = ControlByName(words[1]);
    if (!control) {
      throw ScriptError{"unknown control: " + Quoted(words[1])};
    }
    d.game_.DblClickOn(*control);
  }
  static void Menu(Driver& d, const Words& words, LineResult& /*result*/) {
    if (words[1] == "new") {
      d.game_.MenuNewGame();
    } else if (words[1] == "end") {
      d.game_.MenuEnd();
    } else {
      throw ScriptError{"unknown menu item: " + Quoted(words[1])};
    }
  }
  static void Close(Driver& d, const Words& /*words*/, LineResult& /*result*/) {
    d.game_.CloseButton();
  }
  static void Ok(Driver& d, const Words& /*words*/, LineResult& /*result*/) {
    if (!d.game_.MessageBoxOk()) {
      throw ScriptError{"ok: no message box is open"};
    }
  }
  static void Rand(Driver& d, const Words& words, LineResult& /*result*/) {
    if (words.size() < 2) {
      throw ScriptError{"rand takes at least 1 number, got 0"};
    }
    // All or none: a number in error queues nothing.
    std::vector<double> numbers;
    for (std::size_t i = 1; i < words.size(); ++i) {
      numbers.push_back(ParseUnit(words[i]));
    }
    for (const double r : numbers) {
      d.random_.Queue(r);
    }
  }
  static void Seed(Driver& d, const Words& words, LineResult& /*result*/) {
    d.random_.Seed(static_cast<std::uint32_t>(
        ParseInteger(words[1], 0, std::numeric_limits<std::uint32_t>::max())));
  }
  static void DumpState(Driver& d, const Words& /*words*/, LineResult& result) {
    result.output = Dump(d.game_);
    result.output += '\n';
  }

  static constexpr std::array<Row, 13> kTable{{
      {"wait", 1, Wait},
      {"late", 1, Late},
      {"click", 2, Click},
      {"dblclick", 2, DblClick},
      {"clickon", 1, ClickOn},
      {"dblclickon", 1, DblClickOn},
      {"dblpress", 1, DblPress},
      {"menu", 1, Menu},
      {"close", 0, Close},
      {"ok", 0, Ok},
      {"rand", std::nullopt, Rand},
      {"seed", 1, Seed},
      {"dump", 0, DumpState},
  }};

  static const Row* Find(std::string_view name) {
    for (const Row& row : kTable) {
      if (row.name == name) {
        return &row;
      }
    }
    return nullptr;
  }
};

Driver::Driver(std::int64_t clockLimit)
    : game_(Platform{box_, random_, program_}), clockLimit_(clockLimit) {}

LineResult Driver::Run(std::string_view line) {
  LineResult result;
  const std::vector<std::string_view> words = SplitWords(line);
  if (words.empty() || words.front().front() == '#') {
    return result;
  }
  try {
    const Commands::Row* command = Commands::Find(words.front());
    if (command == nullptr) {
      throw ScriptError{"unknown command: " + Quoted(words.front())};
    }
    if (command->arguments) {
      ExpectWords(words, *command->arguments + 1);
    }
    command->run(*this, words, result);
  } catch (const ScriptError& error) {
    result.kind = LineResult::Kind::Error;
    result.error = error.reason;
    return result;
  }
  if (program_.Ended()) {
    result.kind = LineResult::Kind::Ended;
  }
  return result;
}

}  // namespace reedfall::sim
