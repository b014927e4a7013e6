// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting Qt's GUI where no window system can be reached. Qt prints its reasons over several
// lines, ends with advice to reinstall and aborts; a player who started the game from a terminal
// without a display deserves one line that says so, and a plain failure status.
#pragma once

#include <QtGlobal>

namespace reedfall::app {

// Holds Qt's messages back while the QApplication starts. Should Qt find no window system, it
// prints one line naming the reason and ends the program with status 1; otherwise it hands the
// messages it held on to the handler that was in place, in their order, once it goes.
class WindowSystemGuard {
 public:
  // `program` names the program in the line; argv the options Qt is about to read.
  WindowSystemGuard(const char* program, int argc, char** argv);
  WindowSystemGuard(const WindowSystemGuard&) = delete;
  WindowSystemGuard& operator=(const WindowSystemGuard&) = delete;
  WindowSystemGuard(WindowSystemGuard&&) = delete;
  WindowSystemGuard& operator=(WindowSystemGuard&&) = delete;
  ~WindowSystemGuard();

 private:
  QtMessageHandler previous_;
};

}  // namespace reedfall::app
