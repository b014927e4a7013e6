// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_host.h"

#include <chrono>

namespace reedfall::app {

namespace {

// A countdown tick may run this much after its time to share a wake-up with a duck's tick:
// one duck interval, a tenth of the countdown's. Ticks still run at their own times on the
// game's clock, in their order, and a click still brings the game up to its moment first;
// only the clock label changes a little later on screen, and the program wakes up about a
// tenth less often while a duck flies out of step with the countdown.
constexpr std::int64_t kCountdownSlackMs = 60;

std::uint64_t WallClockSeed() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ClockSeededRandom::ClockSeededRandom() : generator_(WallClockSeed()) {}

void ClockSeededRandom::Randomize() { generator_.Seed(WallClockSeed()); }

GameHost::GameHost(GameClock& clock, RandomSource* random, QObject* parent)
    : QObject(parent),
      clock_(clock),
      game_(Platform{*this, random != nullptr ? *random : ownRandom_, *this}) {
  clock_.SetWakeHandler([this] {
    CatchUp();
    Settle();
  });
  Settle();
}

void GameHost::Press(QPointF clientPx) {
  CatchUp();
  lastPressed_ = game_.Click(clientPx.x() * kTwipsPerPixel, clientPx.y() * kTwipsPerPixel);
  Settle();
}

void GameHost::DoubleClick() {
  CatchUp();
  if (lastPressed_) {
    game_.DblClickOn(*lastPressed_);
  }
  lastPressed_.reset();
  Settle();
}

void GameHost::NewGame() {
  CatchUp();
  game_.MenuNewGame();
  Settle();
}

void GameHost::End() {
  game_.MenuEnd();
  Settle();
}

void GameHost::Close() {
  game_.CloseButton();
  // The window's close button ends the program whatever is running, also under a round-end
  // box, where the game's own close button may be ignored.
  if (!game_.Ended()) {
    game_.EndProgram();
  }
  Settle();
}

void GameHost::BoxClosed() {
  CatchUp();
  game_.MessageBoxOk();
  Settle();
}

void GameHost::ShowMessageBox(std::string_view text, std::string_view title) {
  // The game is in the middle of a tick; the box opens once it has returned.
  pendingBox_ = MessageBoxText{title, text};
}

void GameHost::EndProgram() { endPending_ = true; }

void GameHost::CatchUp() {
  // A late wake-up runs each timer once for the intervals it missed, as a busy desktop does.
  game_.AdvanceTo(clock_.Now(), Lateness::DropMissed);
}

void GameHost::Settle() {
  if (endPending_) {
    clock_.WakeAt(std::nullopt);
    pendingBox_.reset();
    if (!endAnnounced_) {
      endAnnounced_ = true;
      emit ended();
    }
    return;
  }
  emit changed();
  if (pendingBox_) {
    const MessageBoxText box = *pendingBox_;
    pendingBox_.reset();
    emit boxOpened(ToQString(box.title), ToQString(box.text));
  }
  clock_.WakeAt(NextWake());
}

std::optional<std::int64_t> GameHost::NextWake() const {
  const std::optional<std::int64_t> next = game_.NextWake();
  if (!next || game_.NextDue(TimerId::timleft) != next) {
    return next;
  }
  std::optional<std::int64_t> duck;
  for (const TimerId id :
       {TimerId::timDuck, TimerId::timRDuck, TimerId::timDead, TimerId::timRdead}) {
    const std::optional<std::int64_t> due = game_.NextDue(id);
    if (due && (!duck || *due < *duck)) {
      duck = due;
    }
  }
  return duck && *duck - *next <= kCountdownSlackMs ? duck : next;
}

}  // namespace reedfall::app
