// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The LED cells, creatable by the ProgIDs their classes declare ("Brenlite.NumberLED",
// "prjOrtagon.Ortagon").

#include "tallyard_components_export.h"

namespace tallyard {

// Safe to call more than once.
TALLYARD_COMPONENTS_EXPORT void registerLEDCells();

} // namespace tallyard
