// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the program starts, shared by main() and the window benchmark.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <optional>
#include <thread>

#include "app/window_system.h"

namespace reedfall::app {

// Starts decoding the pictures on another thread, to be ready when the window is built; keep the
// thread. It needs no QApplication, and runs best while the QApplication reaches the window
// system; it touches nothing of Qt.
std::jthread StartDecoding();

// Loads the fonts of the menu and the labels, which the first frame needs, meanwhile.
void LoadFonts();

// Must run before the QApplication exists. A screen's scale factor, whether Qt derives it from
// the screen's resolution or the desktop sets it (QT_SCREEN_SCALE_FACTORS: 125 % is 1.25), is
// rounded to the nearest whole one, halves up: 1.25 gives 1, 1.5 and 1.75 give 2. The window,
// its art, its labels and its pointer then share one whole scale, where every art pixel is a
// sharp square of whole screen pixels, with Qt 6.4 as with 6.8. A factor that Qt does not round
// (QT_SCALE_FACTOR, a Wayland compositor's fractional scale) stays as it is; the field evens its
// art out there (app/art_scale.h).
void PrepareHighDpi();

// QT_SCREEN_SCALE_FACTORS's list ("1.5", "1.25;2", "eDP-1=1.75") with each factor rounded as
// Qt's Round policy rounds it, and at least 1; what does not read as a factor stays as it is.
QByteArray WholeScreenFactors(const QByteArray& spec);

// The program's name and icon; once the QApplication exists.
void PrepareApplication();

// The program's start, in the order that brings the first frame soonest: the scale-factor
// policy and the pictures before the QApplication, the fonts right after it.
// The game and its benchmark start alike through this.
class Startup {
 public:
  Startup(int& argc, char** argv);
  // Waits for the pictures' thread before the QApplication goes: Qt takes fontconfig's
  // configuration down with it, and a thread that asks fontconfig only after that (a slow start
  // on a loaded machine, then a refused option) builds one that nobody frees.
  ~Startup();
  Startup(const Startup&) = delete;
  Startup& operator=(const Startup&) = delete;
  Startup(Startup&&) = delete;
  Startup& operator=(Startup&&) = delete;

 private:
  bool highDpiPrepared_;
  std::jthread pictures_;
  // Stands only while the QApplication starts: with no window system to reach, one line and
  // status 1 instead of Qt's abort.
  std::optional<WindowSystemGuard> windowSystem_;
  QApplication application_;
};

}  // namespace reedfall::app
