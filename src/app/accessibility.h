// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The client area as a screen reader finds it, through Qt's accessibility API: the play field
// as one graphic (the ducks have no objects of their own), the message label as a button whose
// press is a click on it, and the eight status labels as static text, each named with its whole
// text and hidden while it is hidden. Nothing here runs while no assistive technology is active.
#pragma once

#include <cstdint>

namespace reedfall::app {

class ClientArea;

// Lets Qt make the client area's objects when an assistive technology asks for them. Once is
// enough; later calls do nothing.
void InstallAccessibility();

// Tells an active assistive technology about the labels whose text or visibility changed (bit n
// for LabelId n): a name change for each new text, a show or a hide for each new visibility.
// Does nothing while none is active.
void TellLabelChanges(ClientArea& client, std::uint32_t changed);

}  // namespace reedfall::app
