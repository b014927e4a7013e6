// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reedfall: the window over the game, in real time.
#include <QApplication>

#include "app/clock.h"
#include "app/game_host.h"
#include "app/main_window.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  using namespace reedfall::app;
  const Startup startup(argc, argv);

  SteadyClock clock;
  GameHost host(clock);
  MainWindow window(host);
  QObject::connect(&host, &GameHost::ended, QCoreApplication::instance(), &QCoreApplication::quit);
  window.show();
  return QApplication::exec();
}
