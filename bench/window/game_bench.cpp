// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own window, started as the game starts it, with a player inside the process.
//   reedfall-window-bench play|record|watch|start [seconds]
// play: the player clicks the prompt, then shoots at the blue duck whenever it is in reach
// (four times a second at most) and closes the round-end boxes; record: the same, written down
// as --record writes it, to REEDFALL_BENCH_RECORD_FILE; watch: the player starts a
// game and only watches; start: nobody touches the start screen. The player looks at the game
// when the game itself has woken up, so that it adds no wake-ups of its own to the figures.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <optional>
#include <string>

#include "app/client_area.h"
#include "app/clock.h"
#include "app/game_host.h"
#include "app/main_window.h"
#include "app/pixel_rect.h"
#include "app/recording.h"
#include "app/startup.h"
#include "probe.h"

namespace {

using namespace reedfall;
using namespace reedfall::app;

// Presses and releases the left button at a point of the client area, through the window.
void Click(MainWindow& window, QPoint clientPx) {
  QWindow* handle = window.windowHandle();
  const QPointF local = window.client()->mapTo(&window, clientPx);
  const QPointF global = window.mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(handle, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(handle, &release);
}

class Shooter final : public QObject {
 public:
  Shooter(MainWindow& window, const GameHost& host) : window_(window), host_(host) {}

  void Start(bool shoot) {
    Click(window_, PixelRect(Spec(LabelId::lblMessage).rect).center());
    if (shoot) {
      sinceLastShot_.start();
      connect(&host_, &GameHost::changed, this, [this] { Look(); });
      // Under a box there may be nothing left that ticks: the player reads it and presses OK.
      connect(&host_, &GameHost::boxOpened, this,
              [this] { QTimer::singleShot(kReactionMs, this, [this] { PressOk(); }); });
    }
  }

 private:
  static constexpr int kReactionMs = 250;

  void Look() {
    if (sinceLastShot_.elapsed() < kReactionMs) {
      return;
    }
    const frmMain& game = host_.game();
    if (!game.Enabled(TimerId::timDuck) || game.world().state.DuckDown) {
      return;
    }
    const QPoint duck = PixelRect(game.world().controls.imgDuck).center();
    if (game.ControlAt(duck.x() * kTwipsPerPixel, duck.y() * kTwipsPerPixel) == Control::imgDuck) {
      sinceLastShot_.restart();
      // The shot comes once the host has finished the step it is telling about.
      QTimer::singleShot(0, this, [this, duck] { Click(window_, duck); });
    }
  }

  void PressOk() {
    for (QMessageBox* box : window_.findChildren<QMessageBox*>()) {
      if (box->isVisible()) {
        box->button(QMessageBox::Ok)->click();
      }
    }
  }

  MainWindow& window_;
  const GameHost& host_;
  QElapsedTimer sinceLastShot_;
};

}  // namespace

int main(int argc, char** argv) {
  const Startup startup(argc, argv);
  const auto options = reedfall::bench::ParseOptions(QApplication::arguments(), "play");
  reedfall::bench::Probe probe(options.seconds);

  SteadyClock clock;
  LiveGame live;
  std::unique_ptr<ScriptFile> file;
  std::optional<Recorder> recorder;
  if (options.mode == QStringLiteral("record")) {
    QString error;
    file = ScriptFile::Create(qEnvironmentVariable("REEDFALL_BENCH_RECORD_FILE",
                                                   QDir::temp().filePath("reedfall-bench.rfs")),
                              error);
    if (!file) {
      Complain(error);
      return 1;
    }
    recorder.emplace(live, *file, RecordingHeading().toStdString());
  }
  GameHost host(clock, live);
  MainWindow window(host);
  Shooter player(window, host);
  if (options.mode != QStringLiteral("start")) {
    const bool shoot = options.mode != QStringLiteral("watch");
    probe.OnFirstFrame([&player, shoot] { player.Start(shoot); });
  }
  // What the player did: the game's steps (wake-ups and events), shots and hits.
  int steps = 0;
  QObject::connect(&host, &GameHost::changed, [&steps] { ++steps; });
  probe.AddToReport([&] {
    const GameState& s = host.game().world().state;
    std::string report = "steps=" + std::to_string(steps);
    report.append(" shots=").append(std::to_string(s.ShotsUsed));
    report.append(" hits=").append(std::to_string(s.DucksKilled));
    report.append(" round=").append(std::to_string(s.Round));
    return report;
  });
  window.show();
  return QApplication::exec();
}
