// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <span>
#include <vector>

#include "app/identity.h"
#include "app/window_system.h"

namespace reedfall::app {
namespace {

// The game's own options, as the parser knows them.
struct Options {
  QCommandLineOption record;
  QCommandLineOption replay;
};

Options AddOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral(
      "A shooting gallery for one player: shoot the blue and red ducks with the mouse before "
      "the round's clock runs out."));
  parser.addHelpOption();
  parser.addVersionOption();
  Options options{
      QCommandLineOption(
          QStringLiteral("record"),
          QStringLiteral("Plays as ever, and writes the game to <file> as it goes, as a script "
                         "that reedfall-sim replays exactly."),
          QStringLiteral("file")),
      QCommandLineOption(
          QStringLiteral("replay"),
          QStringLiteral("Plays the script <file> back in the window, at its own pace."),
          QStringLiteral("file"))};
  parser.addOption(options.record);
  parser.addOption(options.replay);
  // Qt's options are words after one dash; read as letters, -reverse would ask for -v.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  return options;
}

}  // namespace

void AnswerHelpAndVersion(int argc, char** argv) {
  if (argc < 2) {
    return;  // started from the menu: nothing to answer, and no time spent on it
  }
  // Each application object below may take its own options out of the list it is given, so
  // it gets a copy, and the game's QApplication later sees them all. Answering ends the
  // program at once, which is safe while this is the only thread.
  // argv ends with a null pointer after its argc words; the copy keeps it.
  const std::span<char*> words(argv, static_cast<std::size_t>(argc) + 1);
  std::vector<char*> copy(words.begin(), words.end());
  int count = argc;
  bool helpAll = false;
  {
    // A QCoreApplication does not connect to the display.
    const QCoreApplication application(count, copy.data());
    NameApplication();
    QCommandLineParser parser;
    (void)AddOptions(parser);
    // Qt's window-system options (-platform, -style, ...) are unknown here and make the parse
    // fail; the QApplication takes them, and CommandLineAccepted() judges the rest.
    (void)parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version"))) {
      parser.showVersion();
    }
    if (parser.isSet(QStringLiteral("help"))) {
      parser.showHelp();
    }
    helpAll = parser.isSet(QStringLiteral("help-all"));
  }
  if (helpAll) {
    // Qt lists its window-system options only to a QApplication, which needs the display.
    copy.assign(words.begin(), words.end());
    count = argc;
    std::optional<WindowSystemGuard> windowSystem(std::in_place, words.front(), argc, argv);
    const QApplication application(count, copy.data());
    windowSystem.reset();
    NameApplication();
    QCommandLineParser parser;
    (void)AddOptions(parser);
    parser.process(application);
  }
}

std::optional<GameOptions> AcceptCommandLine() {
  QCommandLineParser parser;
  const Options options = AddOptions(parser);
  const bool parsed = parser.parse(QCoreApplication::arguments());
  const QStringList stray = parser.positionalArguments();
  QString error;
  if (!parsed) {
    error = parser.errorText();
  } else if (!stray.isEmpty()) {
    error = QStringLiteral("Unexpected argument '%1'.").arg(stray.first());
  } else if (parser.values(options.record).size() > 1 || parser.values(options.replay).size() > 1) {
    error = QStringLiteral("--record and --replay take one file each, once.");
  } else if (parser.isSet(options.record) && parser.isSet(options.replay)) {
    error = QStringLiteral("--record and --replay cannot be used together.");
  }
  if (error.isEmpty()) {
    return GameOptions{parser.value(options.record), parser.value(options.replay)};
  }
  const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
  const QByteArray message = QStringLiteral("%1: %2\nTry '%3 --help'.\n")
                                 .arg(QCoreApplication::applicationName(), error, program)
                                 .toLocal8Bit();
  // Nowhere is left to report a failure to write the report itself.
  static_cast<void>(
      std::fwrite(message.constData(), 1, static_cast<std::size_t>(message.size()), stderr));
  return std::nullopt;
}

}  // namespace reedfall::app
