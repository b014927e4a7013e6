// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where the window speaks X11 itself: a few properties that Qt 6.4 does not write
// for it. Everywhere else (Wayland, Windows, macOS, Qt's offscreen platform, or a build without
// libxcb) there is nothing to write and the call does nothing.
#pragma once

#include <QtGui/qwindowdefs.h>

#include <cstdint>
#include <string_view>

namespace reedfall::app {

// True when the application runs on an X11 display.
bool OnX11();

// Sets the property `name` of `window` to `count` items of `format` bits (8, 16 or 32) of type
// `type`; false where there is no X11 display to tell.
bool SetX11Property(WId window, std::string_view name, std::string_view type, int format,
                    const void* data, std::uint32_t count);

}  // namespace reedfall::app
