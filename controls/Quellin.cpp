// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "controls/Quellin.h"

#include "components/LEDCells.h"
#include "controls/TimeKeeper.h"
#include "controls/TimeLED.h"
#include "platform/forms/ControlRegistry.h"

namespace quellin {

void registerControls()
{
    qRegisterMetaType<tallyard::Currency>();
    tallyard::registerLEDCells();
    tallyard::registerControlClass<TimeKeeper>();
    tallyard::registerControlClass<TimeLED>();
}

} // namespace quellin
