// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A tree for the layer check's own test: a middle layer that may include the bottom one.
#pragma once
#include "world/thing.h"
