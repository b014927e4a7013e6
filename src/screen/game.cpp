// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/game.h"

#include <array>

#include "flight/fall.h"
#include "flight/flight.h"
#include "game/new_game.h"
#include "game/round_end.h"
#include "game/rules.h"
#include "game/shots.h"

namespace reedfall {

Game::Game(Platform host) : platform(host) { Form_Load(*this); }

namespace {

// Which handler each play-field control runs for a click and for a double-click's second
// press, in stacking order. The start prompt has no double-click handler.
struct ControlHandlers {
  void (*click)(Game&);
  void (*dblClick)(Game&);
};

constexpr std::array<ControlHandlers, kControlCount> kHandlers{{
    {imgRedD_Click, imgRedD_DblClick},
    {[](Game& g) { Image1_Click(g, 2); }, [](Game& g) { Image1_DblClick(g, 2); }},
    {[](Game& g) { Image1_Click(g, 1); }, [](Game& g) { Image1_DblClick(g, 1); }},
    {[](Game& g) { Image1_Click(g, 0); }, [](Game& g) { Image1_DblClick(g, 0); }},
    {imgDuck_Click, imgDuck_DblClick},
    {lblMessage_Click, nullptr},
    {imgTop_Click, imgTop_DblClick},
    {imgback_Click, imgback_DblClick},
}};

const ControlHandlers& HandlersOf(Control control) {
  return kHandlers.at(static_cast<std::size_t>(control));
}

}  // namespace

std::optional<Control> Game::Click(double x, double y) {
  if (InputBlocked()) {
    return std::nullopt;
  }
  const std::optional<Control> control = frmMain.ControlAt(x, y);
  if (control) {
    HandlersOf(*control).click(*this);
  }
  return control;
}

void Game::DblClickOn(Control control) {
  if (InputBlocked()) {
    return;
  }
  if (const auto handler = HandlersOf(control).dblClick) {
    handler(*this);
  }
}

void Game::DblClick(double x, double y) {
  if (const std::optional<Control> control = Click(x, y)) {
    DblClickOn(*control);
  }
}

void Game::MenuNewGame() {
  if (!InputBlocked()) {
    mnuNewGame_Click(*this);
  }
}

void Game::MenuEnd() {
  if (!InputBlocked()) {
    mnuEnd_Click(*this);
  }
}

void Game::CloseButton() {
  // The close button belongs to the window's frame, not to its client area: an open box
  // does not keep the player from ending the program with it.
  if (!ended_) {
    EndProgram();
  }
}

void Game::EndProgram() {
  ended_ = true;
  platform.program.EndProgram();
}

bool Game::MessageBoxOk() {
  if (ended_) {
    return false;
  }
  const RoundEnd kind = roundEnd;
  switch (kind) {
    case RoundEnd::None:
      return false;
    case RoundEnd::Lost:
      RoundLostAfterBox(*this);
      break;
    case RoundEnd::Won:
      RoundWonAfterBox(*this);
      break;
  }
  roundEnd = RoundEnd::None;
  return true;
}

std::optional<MessageBoxText> Game::OpenBox() const {
  switch (roundEnd) {
    case RoundEnd::None:
      return std::nullopt;
    case RoundEnd::Lost:
      return MessageBoxText{kLostTitle, kLostText};
    case RoundEnd::Won:
      return MessageBoxText{kWonTitle, kWonText};
  }
  return std::nullopt;
}

void Game::AdvanceTo(std::int64_t ms, Lateness lateness) {
  if (!ended_ && ms > timers_.Now()) {
    timers_.AdvanceTo(ms, *this, lateness);
  }
}

std::optional<std::int64_t> Game::NextWake() const {
  if (ended_) {
    return std::nullopt;
  }
  return timers_.NextWake(*this);
}

void Game::Tick(TimerId id) {
  if (ended_) {
    return;
  }
  switch (id) {
    case TimerId::timDuck:
      timDuck_Timer(*this);
      break;
    case TimerId::timRDuck:
      timRDuck_Timer(*this);
      break;
    case TimerId::timDead:
      timDead_Timer(*this);
      break;
    case TimerId::timRdead:
      timRdead_Timer(*this);
      break;
    case TimerId::timleft:
      timleft_Timer(*this);
      break;
    case TimerId::timWinLose:
      timWinLose_Timer(*this);
      break;
  }
}

bool Game::TickCanAct(TimerId id) const {
  // The poll only compares the clock with 0 until a round can end.
  if (id == TimerId::timWinLose) {
    return state.TimeLeft <= 0 && roundEnd == RoundEnd::None;
  }
  return true;
}

}  // namespace reedfall
