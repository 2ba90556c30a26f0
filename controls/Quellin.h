// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The control library: registers its controls (and the LED cells they are built from)
// under their ProgIDs, so hosts can create them with tallyard::createControl.

#include "quellin_export.h"

namespace quellin {

// Safe to call more than once.
QUELLIN_EXPORT void registerControls();

} // namespace quellin
