// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reedfall: the window over the game, in real time; a game recorded as it is played, or a
// recorded one played back.
#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "app/clock.h"
#include "app/command_line.h"
#include "app/game_host.h"
#include "app/identity.h"
#include "app/main_window.h"
#include "app/recording.h"
#include "app/startup.h"

namespace {

void Print(const std::string& text) {
  if (!text.empty()) {
    (void)std::fwrite(text.data(), 1, text.size(), stdout);
    (void)std::fflush(stdout);
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace reedfall::app;
  AnswerHelpAndVersion(argc, argv);
  const Startup startup(argc, argv);
  const std::optional<GameOptions> options = AcceptCommandLine();
  if (!options) {
    return EXIT_FAILURE;
  }

  // The game: played live, and written down as it goes if asked; or a recorded one played back.
  reedfall::LiveGame live;
  std::unique_ptr<reedfall::Replayer> replay;
  std::unique_ptr<ScriptFile> file;
  std::optional<reedfall::Recorder> recorder;
  QString error;
  if (!options->replay.isEmpty()) {
    replay = LoadReplay(options->replay, error);
  } else if (!options->record.isEmpty()) {
    file = ScriptFile::Create(options->record, error);
    if (file) {
      recorder.emplace(live, *file, RecordingHeading().toStdString());
    }
  }
  if (!error.isEmpty()) {
    Complain(error);
    return EXIT_FAILURE;
  }
  reedfall::Player& player = replay ? static_cast<reedfall::Player&>(*replay) : live;

  SteadyClock clock;
  GameHost host(clock, player);
  MainWindow window(host);
  if (replay) {
    // What the script's `dump` lines print, as the driver prints it.
    const auto output = [&replay] { Print(replay->TakeOutput()); };
    QObject::connect(&host, &GameHost::changed, output);
    QObject::connect(&host, &GameHost::ended, output);
  }
  QObject::connect(&host, &GameHost::ended, QCoreApplication::instance(), &QCoreApplication::quit);
  TieToDesktopEntry(window);
  window.show();
  int status = QApplication::exec();
  if (recorder) {
    // The game's last state, as the script's last `dump` shows it.
    Print(recorder->FinalDump().empty() ? std::string() : recorder->FinalDump() + "\n");
    if (const std::optional<QString> failure = file->Failure()) {
      Complain(*failure);
      status = EXIT_FAILURE;
    }
  }
  // Qt's Wayland client can hang for good as it takes itself down: one of its event threads may
  // wait in a read that the main thread had prepared and will never finish, and the teardown
  // waits for that thread. Seen with Qt 6.4 (5 of 8 runs on a loaded machine) and 6.8.2 (8 of
  // 13). By now the window is gone from the compositor and the game keeps nothing, so on
  // Wayland the program ends here, without the toolkit's teardown.
  if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
    (void)std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}
