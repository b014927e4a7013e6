// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reedfall: the window over the game, in real time.
#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "app/clock.h"
#include "app/command_line.h"
#include "app/game_host.h"
#include "app/identity.h"
#include "app/main_window.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  using namespace reedfall::app;
  AnswerHelpAndVersion(argc, argv);
  const Startup startup(argc, argv);
  if (!CommandLineAccepted()) {
    return EXIT_FAILURE;
  }

  SteadyClock clock;
  GameHost host(clock);
  MainWindow window(host);
  QObject::connect(&host, &GameHost::ended, QCoreApplication::instance(), &QCoreApplication::quit);
  TieToDesktopEntry(window);
  window.show();
  const int status = QApplication::exec();
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
