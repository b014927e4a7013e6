#include "screen/game.h"

#include "flight/fall.h"
#include "flight/flight.h"
#include "game/new_game.h"
#include "game/round_end.h"
#include "game/rules.h"
#include "game/shots.h"

namespace reedfall {

Game::Game(Platform host) : platform(host) { Form_Load(*this); }

std::optional<Control> Game::Click(double x, double y) {
  if (InputBlocked()) {
    return std::nullopt;
  }
  const std::optional<Control> control = frmMain.ControlAt(x, y);
  if (!control) {
    return std::nullopt;
  }
  switch (*control) {
    case Control::imgRedD:
      imgRedD_Click(*this);
      break;
    case Control::Image1_2:
      Image1_Click(*this, 2);
      break;
    case Control::Image1_1:
      Image1_Click(*this, 1);
      break;
    case Control::Image1_0:
      Image1_Click(*this, 0);
      break;
    case Control::imgDuck:
      imgDuck_Click(*this);
      break;
    case Control::lblMessage:
      lblMessage_Click(*this);
      break;
    case Control::imgTop:
      imgTop_Click(*this);
      break;
    case Control::imgback:
      imgback_Click(*this);
      break;
  }
  return control;
}

void Game::DblClickOn(Control control) {
  if (InputBlocked()) {
    return;
  }
  switch (control) {
    case Control::imgRedD:
      imgRedD_DblClick(*this);
      break;
    case Control::Image1_2:
      Image1_DblClick(*this, 2);
      break;
    case Control::Image1_1:
      Image1_DblClick(*this, 1);
      break;
    case Control::Image1_0:
      Image1_DblClick(*this, 0);
      break;
    case Control::imgDuck:
      imgDuck_DblClick(*this);
      break;
    case Control::lblMessage:
      break;  // the start prompt has no double-click handler
    case Control::imgTop:
      imgTop_DblClick(*this);
      break;
    case Control::imgback:
      imgback_DblClick(*this);
      break;
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
  if (!InputBlocked()) {
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
