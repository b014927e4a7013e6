// How the program starts, shared by main() and the window benchmark.
#pragma once

namespace reedfall::app {

// Must run before the QApplication exists: whole scale factors only, so that every art pixel
// covers a whole number of screen pixels.
void PrepareHighDpi();

// The program's name and icon; once the QApplication exists.
void PrepareApplication();

}  // namespace reedfall::app
