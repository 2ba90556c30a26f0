#include "scoreboard/modules/modGrabKeys.h"

#include "platform/system/NumLock.h"

namespace tallyard::modGrabKeys {

void SetNumLock(bool on)
{
    const NumLockState state = readNumLock();
    if (state == NumLockState::Unknown || (state == NumLockState::On) == on)
        return;
    toggleNumLock();
}

} // namespace tallyard::modGrabKeys
