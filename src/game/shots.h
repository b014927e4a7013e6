// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shots: every click or double-click on a picture of the play field, while shots are left.
#pragma once

#include "world/int16.h"

namespace reedfall {

struct World;

// The play field's click and double-click handlers, as frmMain wires them (frmmain/wiring.h).
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

// Shared by every picture's handler that only counts a miss.
void MissHandler(World& w);
void ShotMissed(World& w);
void DuckHit(World& w);
void RedDuckHit(World& w);

}  // namespace reedfall
