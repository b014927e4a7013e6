// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the game's fixed window tells the window system beyond what Qt tells it.
#pragma once

#include <QPoint>

class QWindow;

namespace reedfall::app {

// Offers the window manager only moving and closing the window. Qt offers resizing as well to
// every window with a title, fixed size or not; only X11 needs telling otherwise. Call it once
// the native window exists, before it is first shown.
void OfferMoveAndCloseOnly(QWindow* window);

// Lets the window take whatever size a Wayland compositor's configure dictates, while the
// compositor goes on knowing it as fixed. A compositor may maximize a window whose minimum and
// maximum sizes are equal (weston does, and Qt's own title bar offers it); the protocol then
// requires the window to take the maximized size, and Qt would hold it to its fixed size and
// be disconnected at its next frame. The window goes back to its size by asking for the normal
// state (MainWindow). Qt 6.8 takes the configured size itself, and there this does nothing.
// Call it once the window is on the screen (its first expose); elsewhere than Wayland it does
// nothing.
void FollowCompositorSizes(QWindow* window);
bool OnWayland();

// The pointer's hot spot for a picture made at `scale` from one whose hot spot is `logical`:
// Qt's X11 pointer reads it in the scaled picture's own pixels, the other window systems in
// the unscaled one's. In the scaled pixels it lies in the middle of the art pixel.
QPoint PointerHotSpot(QPoint logical, qreal scale);

}  // namespace reedfall::app
