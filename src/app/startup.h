// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the program starts, shared by main() and the window benchmark.
#pragma once

#include <QApplication>
#include <optional>
#include <thread>

#include "app/window_system.h"

namespace reedfall::app {

// Starts decoding the pictures on another thread, to be ready when the window is built. Call
// it once the QApplication exists; keep the thread.
std::jthread StartDecoding();

// Loads the fonts of the menu and the labels, which the first frame needs, meanwhile.
void LoadFonts();

// Must run before the QApplication exists: a scale factor that Qt derives from the screen's
// resolution is rounded to a whole one, where every art pixel is a sharp block. A factor that
// the desktop sets itself (QT_SCREEN_SCALE_FACTORS, QT_SCALE_FACTOR) stays as it is; the field
// evens its art out there (app/art_scale.h).
void PrepareHighDpi();

// The program's name and icon; once the QApplication exists.
void PrepareApplication();

// The program's start, in the order that brings the first frame soonest: the scale-factor
// policy before the QApplication, the pictures and fonts right after it.
// The game and its benchmark start alike through this.
class Startup {
 public:
  Startup(int& argc, char** argv);

 private:
  bool highDpiPrepared_;
  // Stands only while the QApplication starts: with no window system to reach, one line and
  // status 1 instead of Qt's abort.
  std::optional<WindowSystemGuard> windowSystem_;
  QApplication application_;
  std::jthread pictures_;
};

}  // namespace reedfall::app
