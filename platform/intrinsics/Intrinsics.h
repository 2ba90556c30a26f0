// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The intrinsic controls of the forms, creatable by the ProgIDs their classes declare:
// labels, text boxes, picture boxes, images, shapes, frames, buttons, lists, scroll bars,
// the timer, the tab control and the sound device.

#include "tallyard_intrinsics_export.h"

namespace tallyard {

// Registers them all and installs the font substitutions they draw with. Safe to call
// more than once.
TALLYARD_INTRINSICS_EXPORT void registerIntrinsicControls();

} // namespace tallyard
