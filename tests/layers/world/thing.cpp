// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A library for the link check's own test: the bottom layer needing a function that only the
// game layer defines, declared here as a table of handlers would declare it.
namespace reedfall_layers_test {

int Rule();
int Thing() { return Rule() + 1; }

}  // namespace reedfall_layers_test
