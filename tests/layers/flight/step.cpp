// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A tree for the layer check's own test: the flight layer reaching up into the game layer,
// which the check must refuse, beside an include that it must let pass.
#include "world/thing.h"
  #  include "game/rule.h"
