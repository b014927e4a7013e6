// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixel_font.h"

#include <QPainter>
#include <array>

namespace reedfall::sheets {
namespace {

struct Glyph {
  char c;
  std::array<const char*, kGlyphHeight> rows;
};

constexpr std::array kGlyphs{
    Glyph{'A', {".#.", "#.#", "###", "#.#", "#.#"}},
    Glyph{'B', {"##.", "#.#", "##.", "#.#", "##."}},
    Glyph{'C', {".##", "#..", "#..", "#..", ".##"}},
    Glyph{'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    Glyph{'E', {"###", "#..", "##.", "#..", "###"}},
    Glyph{'F', {"###", "#..", "##.", "#..", "#.."}},
    Glyph{'G', {".##", "#..", "#.#", "#.#", ".##"}},
    Glyph{'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    Glyph{'I', {"###", ".#.", ".#.", ".#.", "###"}},
    Glyph{'J', {"..#", "..#", "..#", "#.#", ".#."}},
    Glyph{'K', {"#.#", "#.#", "##.", "#.#", "#.#"}},
    Glyph{'L', {"#..", "#..", "#..", "#..", "###"}},
    Glyph{'M', {"#.#", "###", "###", "#.#", "#.#"}},
    Glyph{'N', {"##.", "#.#", "#.#", "#.#", "#.#"}},
    Glyph{'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    Glyph{'P', {"##.", "#.#", "##.", "#..", "#.."}},
    Glyph{'Q', {".#.", "#.#", "#.#", "##.", ".##"}},
    Glyph{'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    Glyph{'S', {".##", "#..", ".#.", "..#", "##."}},
    Glyph{'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    Glyph{'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
    Glyph{'V', {"#.#", "#.#", "#.#", ".#.", ".#."}},
    Glyph{'W', {"#.#", "#.#", "###", "###", "#.#"}},
    Glyph{'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    Glyph{'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}},
    Glyph{'Z', {"###", "..#", ".#.", "#..", "###"}},
    Glyph{'0', {"###", "#.#", "#.#", "#.#", "###"}},
    Glyph{'1', {".#.", "##.", ".#.", ".#.", "###"}},
    Glyph{'2', {"##.", "..#", ".#.", "#..", "###"}},
    Glyph{'3', {"##.", "..#", ".#.", "..#", "##."}},
    Glyph{'4', {"#.#", "#.#", "###", "..#", "..#"}},
    Glyph{'5', {"###", "#..", "##.", "..#", "##."}},
    Glyph{'6', {".##", "#..", "###", "#.#", "###"}},
    Glyph{'7', {"###", "..#", ".#.", ".#.", ".#."}},
    Glyph{'8', {"###", "#.#", "###", "#.#", "###"}},
    Glyph{'9', {"###", "#.#", "###", "..#", "##."}},
    Glyph{'-', {"...", "...", "###", "...", "..."}},
    Glyph{':', {"...", ".#.", "...", ".#.", "..."}},
    Glyph{'.', {"...", "...", "...", "...", ".#."}},
    Glyph{',', {"...", "...", "...", ".#.", "#.."}},
    Glyph{'(', {".#.", "#..", "#..", "#..", ".#."}},
    Glyph{')', {".#.", "..#", "..#", "..#", ".#."}},
    Glyph{'/', {"..#", "..#", ".#.", "#..", "#.."}},
    Glyph{'+', {"...", ".#.", "###", ".#.", "..."}},
};

const Glyph* Find(QChar c) {
  const char wanted = c.toUpper().toLatin1();
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.c == wanted) {
      return &glyph;
    }
  }
  return nullptr;
}

}  // namespace

int TextWidth(const QString& text, int scale) {
  if (text.isEmpty()) {
    return 0;
  }
  return (static_cast<int>(text.size()) * (kGlyphWidth + 1) - 1) * scale;
}

void DrawText(QImage& image, QPoint at, const QString& text, int scale, QColor colour) {
  QPainter painter(&image);
  int x = at.x();
  for (const QChar c : text) {
    if (const Glyph* glyph = Find(c)) {
      for (int row = 0; row < kGlyphHeight; ++row) {
        for (int col = 0; col < kGlyphWidth; ++col) {
          if (glyph->rows[static_cast<std::size_t>(row)][col] == '#') {
            painter.fillRect(x + col * scale, at.y() + row * scale, scale, scale, colour);
          }
        }
      }
    }
    x += (kGlyphWidth + 1) * scale;
  }
}

}  // namespace reedfall::sheets
