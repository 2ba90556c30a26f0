// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/NumLockNative.h"

#include <windows.h>

namespace tallyard::native {

NumLockState readWindowsNumLock()
{
    BYTE keys[256];
    if (!GetKeyboardState(keys))
        return NumLockState::Unknown;
    return keys[VK_NUMLOCK] ? NumLockState::On : NumLockState::Off;
}

bool writeWindowsNumLock(bool on)
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    const bool oldFamily = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    if (oldFamily) {
        // The Windows 95 family takes the key state table as it is written.
        BYTE keys[256];
        if (!GetKeyboardState(keys))
            return false;
        keys[VK_NUMLOCK] = on ? 1 : 0;
        return SetKeyboardState(keys) != 0;
    }
    // Everywhere else a press and release of the NumLock key toggles the lock.
    keybd_event(VK_NUMLOCK, 0x45, KEYEVENTF_EXTENDEDKEY, 0);
    keybd_event(VK_NUMLOCK, 0x45, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    return true;
}

} // namespace tallyard::native
