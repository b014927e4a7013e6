// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/status_text.h"

#include "world/decimal.h"

namespace reedfall {

std::string StatusText(std::string_view prefix, Int16 value) {
  std::string text(prefix);
  text += std::to_string(value);
  return text;
}

std::string StatusText(std::string_view prefix, double value) {
  std::string text(prefix);
  text += DecimalText(value);
  return text;
}

}  // namespace reedfall
