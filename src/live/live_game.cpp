// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "live/live_game.h"

#include <chrono>
#include <cmath>

namespace reedfall {

namespace {

// A countdown tick may run this much after its time to share a wake-up with a duck's tick:
// one duck interval, a tenth of the countdown's. Ticks still run at their own times on the
// game's clock, in their order, and a click still brings the game up to its moment first;
// only the clock label changes a little later on screen, and the host wakes up about a tenth
// less often while a duck flies out of step with the countdown.
constexpr std::int64_t kCountdownSlackMs = 60;

std::uint64_t WallClockSeed() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

ClockSeededRandom::ClockSeededRandom() : generator_(WallClockSeed()) {}

void ClockSeededRandom::Randomize() { generator_.Seed(WallClockSeed()); }

LiveGame::LiveGame(RandomSource* random)
    : random_(random != nullptr ? *random : ownRandom_),
      game_(Platform{*this, *this, *this}),
      view_(game_.world().controls) {}

double LiveGame::Next() {
  const double r = random_.Next();
  if (observer_ != nullptr) {
    observer_->Drew(r);
  }
  return r;
}

Settled LiveGame::Handle(std::int64_t now, HostEvent event) {
  if (ended_) {
    return Settled{Settled::State::Over, std::nullopt, std::nullopt};
  }
  Take(now, event);
  const std::optional<MessageBoxText> box = box_;
  box_.reset();
  if (ended_) {
    return Settled{Settled::State::EndedNow, std::nullopt, std::nullopt};
  }
  view_.Follow(game_.world().controls);
  return Settled{Settled::State::Playing, box, NextWake()};
}

void LiveGame::Take(std::int64_t now, HostEvent event) {
  using Kind = HostEvent::Kind;
  // The menu's End and the close button need no clock: the program ends.
  if (event.kind != Kind::End && event.kind != Kind::Close) {
    CatchUp(now);
  }
  LiveObserver::Event taken;
  taken.kind = event.kind;
  switch (event.kind) {
    case Kind::Press:
      // The game routes a click in twips; the host's pixels may have fractions.
      taken.x = static_cast<int>(std::floor(event.x * kTwipsPerPixel));
      taken.y = static_cast<int>(std::floor(event.y * kTwipsPerPixel));
      lastPressed_ = game_.Click(taken.x, taken.y);
      break;
    case Kind::DoubleClick:
      taken.control = lastPressed_;
      if (lastPressed_) {
        game_.DblClickOn(*lastPressed_);
      }
      lastPressed_.reset();
      break;
    case Kind::NewGame:
      game_.MenuNewGame();
      break;
    case Kind::End:
      game_.MenuEnd();
      break;
    case Kind::Close:
      game_.CloseButton();
      break;
    case Kind::BoxClosed:
      taken.taken = game_.MessageBoxOk();
      break;
    case Kind::Wake:
      return;
  }
  if (observer_ != nullptr) {
    observer_->Took(taken);
  }
}

void LiveGame::CatchUp(std::int64_t now) {
  // A late wake-up runs each timer once for the intervals it missed, as a busy desktop does;
  // a hidden browser tab's slowed timers make the game wait, not jump.
  if (now >= game_.Now()) {
    const std::int64_t from = game_.Now();
    const std::uint64_t dropped = game_.TicksDropped();
    game_.AdvanceTo(now, Lateness::DropMissed);
    if (observer_ != nullptr && now > from) {
      observer_->Advanced(from, now, game_.TicksDropped() != dropped);
    }
  }
}

void LiveGame::ShowMessageBox(std::string_view text, std::string_view title) {
  // The game is in the middle of a tick; the box opens once it has returned.
  box_ = MessageBoxText{title, text};
}

void LiveGame::EndProgram() { ended_ = true; }

std::optional<std::int64_t> LiveGame::NextWake() const {
  if (ended_) {
    return std::nullopt;
  }
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

}  // namespace reedfall
