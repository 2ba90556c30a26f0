#include "platform/system/NumLock.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tallyard {

namespace {

NumLockBackend &installed()
{
    static NumLockBackend backend;
    return backend;
}

NumLockState systemRead()
{
#ifdef _WIN32
    BYTE keys[256];
    if (!GetKeyboardState(keys))
        return NumLockState::Unknown;
    return keys[VK_NUMLOCK] ? NumLockState::On : NumLockState::Off;
#else
    // The X server's lock state is not reachable through Qt; the board leaves NumLock alone.
    return NumLockState::Unknown;
#endif
}

bool systemToggle()
{
#ifdef _WIN32
    keybd_event(VK_NUMLOCK, 0x45, KEYEVENTF_EXTENDEDKEY, 0);
    keybd_event(VK_NUMLOCK, 0x45, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    return true;
#else
    return false;
#endif
}

} // namespace

NumLockState readNumLock()
{
    return installed().read ? installed().read() : systemRead();
}

bool toggleNumLock()
{
    return installed().toggle ? installed().toggle() : systemToggle();
}

void setNumLockBackend(NumLockBackend backend)
{
    installed() = backend;
}

} // namespace tallyard
