// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmain/frmmain.h"

#include <array>
#include <cstddef>

#include "flight/fall.h"
#include "flight/flight.h"
#include "game/new_game.h"
#include "game/round_end.h"
#include "game/shots.h"

namespace reedfall {

namespace {

// Which handler each play-field control runs for a click and for a double-click's second
// press, in stacking order. The start prompt has no double-click handler.
struct ControlHandlers {
  void (*click)(World&);
  void (*dblClick)(World&);
};

constexpr std::array<ControlHandlers, kControlCount> kHandlers{{
    {imgRedD_Click, imgRedD_DblClick},
    {[](World& w) { Image1_Click(w, 2); }, [](World& w) { Image1_DblClick(w, 2); }},
    {[](World& w) { Image1_Click(w, 1); }, [](World& w) { Image1_DblClick(w, 1); }},
    {[](World& w) { Image1_Click(w, 0); }, [](World& w) { Image1_DblClick(w, 0); }},
    {imgDuck_Click, imgDuck_DblClick},
    {lblMessage_Click, nullptr},
    {imgTop_Click, imgTop_DblClick},
    {imgback_Click, imgback_DblClick},
}};

const ControlHandlers& HandlersOf(Control control) {
  return kHandlers.at(static_cast<std::size_t>(control));
}

// Each timer's tick handler, in the order of the timer table.
constexpr std::array<void (*)(World&), kTimerCount> kTimerHandlers{
    timDuck_Timer, timRDuck_Timer, timDead_Timer, timRdead_Timer, timleft_Timer, timWinLose_Timer,
};

}  // namespace

frmMain::frmMain(Platform host) : world_(host) { Form_Load(world_); }

std::optional<Control> frmMain::Click(double x, double y) {
  if (InputBlocked()) {
    return std::nullopt;
  }
  const std::optional<Control> control = ControlAt(x, y);
  if (control) {
    HandlersOf(*control).click(world_);
  }
  return control;
}

void frmMain::DblClickOn(Control control) {
  if (InputBlocked()) {
    return;
  }
  if (const auto handler = HandlersOf(control).dblClick) {
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
    kTimerHandlers.at(static_cast<std::size_t>(id))(world_);
  }
}

bool frmMain::TickCanAct(TimerId id) const {
  // The poll only compares the clock with 0 until a round can end.
  return id != TimerId::timWinLose || RoundCanEnd(world_);
}

std::optional<Rect> frmMain::ClickArea(Control control) const {
  switch (control) {
    case Control::imgRedD:
      return RectOf(world_.controls.imgRedD);
    case Control::Image1_2:
      return RectOf(kImage1_2);
    case Control::Image1_1:
      return RectOf(kImage1_1);
    case Control::Image1_0:
      return RectOf(kImage1_0);
    case Control::imgDuck:
      return RectOf(world_.controls.imgDuck);
    case Control::lblMessage:
      if (!world_.controls.label(LabelId::lblMessage).Visible) {
        return std::nullopt;
      }
      return Spec(LabelId::lblMessage).rect;
    case Control::imgTop:
      return RectOf(kImgTop);
    case Control::imgback:
      return RectOf(kImgBack);
  }
  return std::nullopt;
}

std::optional<Control> frmMain::ControlAt(double x, double y) const {
  if (!Rect{0, 0, kClientWidth, kClientHeight}.Contains(x, y)) {
    return std::nullopt;
  }
  for (const Control control : kStackingOrder) {
    const std::optional<Rect> area = ClickArea(control);
    if (area && area->Contains(x, y)) {
      return control;
    }
  }
  return std::nullopt;
}

}  // namespace reedfall
