#pragma once
// The keyboard's NumLock toggle.

#include "tallyard_system_export.h"

namespace tallyard {

enum class NumLockState { Off, On, Unknown };

// Unknown where the platform does not tell.
TALLYARD_SYSTEM_EXPORT NumLockState readNumLock();
// Synthesises one press and release of the NumLock key; false where that is not possible.
TALLYARD_SYSTEM_EXPORT bool toggleNumLock();

// Tests stand in for the keyboard.
struct TALLYARD_SYSTEM_EXPORT NumLockBackend {
    NumLockState (*read)() = nullptr;
    bool (*toggle)() = nullptr;
};
TALLYARD_SYSTEM_EXPORT void setNumLockBackend(NumLockBackend backend);

} // namespace tallyard
