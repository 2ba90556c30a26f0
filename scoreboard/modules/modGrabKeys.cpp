// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/modules/modGrabKeys.h"

#include "platform/system/NumLock.h"

namespace tallyard::modGrabKeys {

void SetNumLock(bool on)
{
    // A state that cannot be read stays as it is; one already as wanted gets nothing sent.
    const NumLockState state = readNumLock();
    if (state == NumLockState::Unknown || (state == NumLockState::On) == on)
        return;
    writeNumLock(on);
}

} // namespace tallyard::modGrabKeys
