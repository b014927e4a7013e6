// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the XPM pictures as the game's files write them: the C array of strings that starts
// with "/* XPM */", a values line "columns rows colours chars-per-pixel", a colour table of
// "c #RRGGBB" and "c None" (transparent), then one string a row. Anything else is refused with
// a reason, never half read.
#pragma once

#include <string>
#include <string_view>

#include "pictures/image.h"

namespace reedfall::pictures {

struct DecodedXpm {
  Image image;        // empty when the text was refused
  std::string error;  // why it was refused; empty when it was read

  [[nodiscard]] bool ok() const { return error.empty(); }
};

DecodedXpm DecodeXpm(std::string_view text);

}  // namespace reedfall::pictures
