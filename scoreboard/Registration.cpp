// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/Registration.h"

#include "controls/Quellin.h"
#include "platform/intrinsics/Intrinsics.h"

#include <QtGlobal>

// The program's pictures live in a static library, so their resource is registered by hand
// (the macro must stand outside any namespace).
static void initProgramResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace tallyard {

void registerProgramControls()
{
    initProgramResources();
    quellin::registerControls();
    registerIntrinsicControls();
}

} // namespace tallyard
