// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help, --version and Qt's own options, nothing else; the game has no
// settings.
#pragma once

namespace reedfall::app {

// Before the QApplication exists: answers --help or --version and ends the program, so that
// both work without a display. Call it before any other thread starts; returns otherwise.
void AnswerHelpAndVersion(int argc, char** argv);

// Once the QApplication has taken out Qt's own options: false, after a message on standard
// error, if anything else is left on the command line.
bool CommandLineAccepted();

}  // namespace reedfall::app
