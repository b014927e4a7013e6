// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's whole state as one line of JSON: what the driver's `dump` prints, and what the web
// page answers in the browser's console, for bug reports.
#pragma once

#include <string>

#include "frmmain/frmmain.h"

namespace reedfall {

// The whole state as one line of JSON, without the newline.
std::string Dump(const frmMain& game);

}  // namespace reedfall
