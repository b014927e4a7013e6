// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Who the program is to the desktop: its name, its version and its desktop entry, which ties
// its window to the menu entry's name and icon.
#pragma once

class QWidget;

namespace reedfall::app {

// The name, the version and the desktop entry's name; before or after the QApplication
// exists, with or without a display. On Wayland the entry's name becomes the window's app id.
void NameApplication();

// Names the desktop entry on `window` where the window system needs more than
// NameApplication(): X11. Call it before the window is first shown.
void TieToDesktopEntry(QWidget& window);

}  // namespace reedfall::app
