// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture files of assets/, compiled into the program byte for byte by the build, so that
// every host, the web page's too, reads the very same text.
#pragma once

#include <span>
#include <string_view>

namespace reedfall::pictures {

struct EmbeddedFile {
  std::string_view name;  // its path below assets/, e.g. "ducks/blue-0.xpm"
  std::string_view text;
};

// Every file, sorted by name.
std::span<const EmbeddedFile> EmbeddedFiles();

// The text of the file `name`; empty when there is none.
std::string_view EmbeddedText(std::string_view name);

}  // namespace reedfall::pictures
