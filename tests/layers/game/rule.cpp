// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A library for the link check's own test: a layer above that needs the bottom one, as it may.
namespace reedfall_layers_test {

int Thing();
int Rule() { return 2; }
int Both() { return Thing() + Rule(); }

}  // namespace reedfall_layers_test
