// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmain/frmmain.h"

#include "frmmain/wiring.h"
#include "game/new_game.h"
#include "game/round_end.h"

namespace reedfall {

frmMain::frmMain(Platform host) : world_(host) { Form_Load(world_); }

std::optional<Control> frmMain::Click(double x, double y) {
  if (InputBlocked()) {
    return std::nullopt;
  }
  const std::optional<Control> control = ControlAt(x, y);
  if (control) {
    Wiring(*control).click(world_);
  }
  return control;
}

void frmMain::DblClickOn(Control control) {
  if (InputBlocked()) {
    return;
  }
  if (const auto handler = Wiring(control).dblClick) {
    handler(world_);
  }
}

void frmMain::DblClick(double x, double y) {
  if (const std::optional<Control> control = Click(x, y)) {
    DblClickOn(*control);
  }
}

void frmMain::MenuNewGame() {
  if (!InputBlocked()) {
    mnuNewGame_Click(world_);
  }
}

void frmMain::MenuEnd() {
  if (!InputBlocked()) {
    mnuEnd_Click(world_);
  }
}

void frmMain::CloseButton() {
  if (!world_.ended) {
    EndProgram(world_);
  }
}

bool frmMain::MessageBoxOk() {
  if (world_.ended) {
    return false;
  }
  switch (world_.roundEnd) {
    case RoundEnd::None:
      return false;
    case RoundEnd::Lost:
      RoundLostAfterBox(world_);
      break;
    case RoundEnd::Won:
      RoundWonAfterBox(world_);
      break;
  }
  world_.roundEnd = RoundEnd::None;
  return true;
}

void frmMain::AdvanceTo(std::int64_t ms, Lateness lateness) {
  if (!world_.ended && ms > Now()) {
    scheduler_.AdvanceTo(ms, *this, lateness);
  }
}

std::optional<std::int64_t> frmMain::NextWake() const {
  if (world_.ended) {
    return std::nullopt;
  }
  return scheduler_.NextWake(*this);
}

void frmMain::Tick(TimerId id) {
  if (!world_.ended) {
    TickHandler(id)(world_);
  }
}

bool frmMain::TickCanAct(TimerId id) const {
  // The poll only compares the clock with 0 until a round can end.
  return id != TimerId::timWinLose || RoundCanEnd(world_);
}

std::optional<Rect> frmMain::ClickArea(Control control) const {
  const ControlRow& row = Row(control);
  if (!row.shown(world_.controls)) {
    return std::nullopt;
  }
  return row.rect(world_.controls);
}

std::optional<Control> frmMain::ControlAt(double x, double y) const {
  if (!Rect{0, 0, kClientWidth, kClientHeight}.Contains(x, y)) {
    return std::nullopt;
  }
  for (const ControlRow& row : kControls) {
    const std::optional<Rect> area = ClickArea(row.id);
    if (area && area->Contains(x, y)) {
      return row.id;
    }
  }
  return std::nullopt;
}

}  // namespace reedfall
