// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "components/LEDCells.h"

#include "components/NumberLED.h"
#include "components/Ortagon.h"
#include "platform/forms/ControlRegistry.h"

namespace tallyard {

void registerLEDCells()
{
    registerControlClass<NumberLED>();
    registerControlClass<Ortagon>();
}

} // namespace tallyard
