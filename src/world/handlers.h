// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain's event handlers, as the window wires them: the control table names each picture's
// click and double-click handlers, the timer table each timer's tick handler. They are declared
// here, beside the tables, and defined with the rules they run in the layers above (game/,
// flight/), as a table of actions names the functions of the game logic that it calls.
#pragma once

#include "world/int16.h"

namespace reedfall {

struct World;

// Clicks and double-clicks on the play field.
void lblMessage_Click(World& w);
void imgRedD_Click(World& w);
void imgRedD_DblClick(World& w);
// Image1 is a control array; its handlers receive the element number and make nothing of it.
void Image1_Click(World& w, Int16 index);
void Image1_DblClick(World& w, Int16 index);
void imgDuck_Click(World& w);
void imgDuck_DblClick(World& w);
void imgTop_Click(World& w);
void imgTop_DblClick(World& w);
void imgback_Click(World& w);
void imgback_DblClick(World& w);

// The timers' ticks.
void timDuck_Timer(World& w);
void timRDuck_Timer(World& w);
void timDead_Timer(World& w);
void timRdead_Timer(World& w);
void timleft_Timer(World& w);
void timWinLose_Timer(World& w);

}  // namespace reedfall
