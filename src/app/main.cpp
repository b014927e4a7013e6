// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reedfall: the window over the game, in real time.
#include <QApplication>
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
  return QApplication::exec();
}
