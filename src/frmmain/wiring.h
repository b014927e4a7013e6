// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain's event handlers as the window wires them: for each control of the play field the
// handlers of its click and double-click, for each timer the handler of its tick. The handlers
// are defined with the rules they run (game/, flight/); the window only names them.
#pragma once

#include <array>
#include <cstddef>

#include "flight/fall.h"
#include "flight/flight.h"
#include "game/new_game.h"
#include "game/round_end.h"
#include "game/shots.h"
#include "world/controls.h"
#include "world/timers.h"

namespace reedfall {

struct ControlWiring {
  Control id;
  void (*click)(World& w);
  // The second press of a double-click; none where it does nothing.
  void (*dblClick)(World& w);
};

// In the order of the control table.
inline constexpr std::array<ControlWiring, kControlCount> kControlWiring{{
    {Control::imgRedD, imgRedD_Click, imgRedD_DblClick},
    {Control::Image1_2, [](World& w) { Image1_Click(w, 2); },
     [](World& w) { Image1_DblClick(w, 2); }},
    {Control::Image1_1, [](World& w) { Image1_Click(w, 1); },
     [](World& w) { Image1_DblClick(w, 1); }},
    {Control::Image1_0, [](World& w) { Image1_Click(w, 0); },
     [](World& w) { Image1_DblClick(w, 0); }},
    {Control::imgDuck, imgDuck_Click, imgDuck_DblClick},
    {Control::lblMessage, lblMessage_Click, nullptr},
    {Control::imgTop, imgTop_Click, imgTop_DblClick},
    {Control::imgback, imgback_Click, imgback_DblClick},
}};

// In the order of the timer table.
inline constexpr std::array<void (*)(World& w), kTimerCount> kTimerWiring{
    timDuck_Timer, timRDuck_Timer, timDead_Timer, timRdead_Timer, timleft_Timer, timWinLose_Timer,
};

constexpr bool WiredInTableOrder() {
  for (std::size_t i = 0; i < kControlWiring.size(); ++i) {
    if (kControlWiring.at(i).id != kControls.at(i).id) {
      return false;
    }
  }
  return true;
}
static_assert(WiredInTableOrder(),
              "kControlWiring lists the controls in the control table's order");

constexpr const ControlWiring& Wiring(Control id) {
  return kControlWiring.at(static_cast<std::size_t>(id));
}
constexpr auto TickHandler(TimerId id) { return kTimerWiring.at(static_cast<std::size_t>(id)); }

}  // namespace reedfall
