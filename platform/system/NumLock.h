// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The keyboard's NumLock: read and set where the platform allows it. On Windows through
// the keyboard state table (and a synthesised NumLock key press where the system wants
// one); on X11 by locking or unlocking the NumLock modifier through XKB. Elsewhere
// (Wayland, no display) the state is unknown and nothing is ever sent.

#include "tallyard_system_export.h"

namespace tallyard {

enum class NumLockState { Off, On, Unknown };

// Unknown where the platform does not tell.
TALLYARD_SYSTEM_EXPORT NumLockState readNumLock();
// Asks the keyboard for the wanted state; false where that is not possible. Callers read
// first: this always sends.
TALLYARD_SYSTEM_EXPORT bool writeNumLock(bool on);
// How many times writeNumLock has sent a request since the program started (tests).
TALLYARD_SYSTEM_EXPORT int numLockRequestsSent();

// Tests stand in for the keyboard; an empty backend restores the platform's.
struct TALLYARD_SYSTEM_EXPORT NumLockBackend {
    NumLockState (*read)() = nullptr;
    bool (*write)(bool on) = nullptr;
};
// A test seam: a stand-in keyboard; an empty one brings the real keyboard back.
TALLYARD_SYSTEM_EXPORT void setNumLockOverride(NumLockBackend backend);

} // namespace tallyard
