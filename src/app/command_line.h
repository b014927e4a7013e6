// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help, --version, --record FILE or --replay FILE, and Qt's own options,
// nothing else; the game has no settings.
#pragma once

#include <QString>
#include <optional>

namespace reedfall::app {

// What the player asked for beyond Qt's own options.
struct GameOptions {
  QString record;  // write the game as a script to this file
  QString replay;  // play this script back
};

// Before the QApplication exists: answers --help or --version and ends the program, so that
// both work without a display. Call it before any other thread starts; returns otherwise.
void AnswerHelpAndVersion(int argc, char** argv);

// Once the QApplication has taken out Qt's own options: the game's own, or none, after a
// message on standard error, if anything else is left on the command line, an option is given
// twice, or both --record and --replay are.
std::optional<GameOptions> AcceptCommandLine();

}  // namespace reedfall::app
