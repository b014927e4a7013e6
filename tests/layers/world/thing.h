// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A tree for the layer check's own test: the bottom layer, which includes nothing of ours.
#pragma once
