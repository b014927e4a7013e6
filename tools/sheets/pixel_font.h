// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A 3 x 5 pixel capital font for the labels of the review sheets. Drawn from a table rather
// than a system font so that the sheets come out the same on every machine.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace reedfall::sheets {

inline constexpr int kGlyphWidth = 3;
inline constexpr int kGlyphHeight = 5;

// Width in image pixels of `text` drawn at `scale` (one blank column between letters).
int TextWidth(const QString& text, int scale);

// Draws `text` with its top-left corner at `at`; letters are upper-cased, characters the font
// lacks are drawn as blanks.
void DrawText(QImage& image, QPoint at, const QString& text, int scale, QColor colour);

}  // namespace reedfall::sheets
