// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the program starts, shared by main() and the window benchmark.
#pragma once

#include <QApplication>
#include <thread>

namespace reedfall::app {

// Starts, on another thread, start-up work that needs nothing of Qt: reading the font
// configuration. It runs while the application connects to the display, which is most of the
// wait before the first frame. Call it before the QApplication exists; keep the thread.
std::jthread StartWarmUp();

// Starts decoding the pictures on another thread, to be ready when the window is built. Call
// it once the QApplication exists; keep the thread.
std::jthread StartDecoding();

// Loads the fonts of the menu and the labels, which the first frame needs, meanwhile.
void LoadFonts();

// Must run before the QApplication exists: whole scale factors only, so that every art pixel
// covers a whole number of screen pixels.
void PrepareHighDpi();

// The program's name and icon; once the QApplication exists.
void PrepareApplication();

// The program's start, in the order that brings the first frame soonest: the font warm-up
// and the scale-factor policy before the QApplication, the pictures and fonts right after it.
// The game and its benchmark start alike through this.
class Startup {
 public:
  Startup(int& argc, char** argv);

 private:
  std::jthread warmUp_;
  bool highDpiPrepared_;
  QApplication application_;
  std::jthread pictures_;
};

}  // namespace reedfall::app
