// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The platforms' own NumLock calls, each in a file of its own that includes no Qt header,
// so the Windows one can be compile-checked with a MinGW compiler and the X11 one keeps
// Xlib's macros away from Qt.

#include "platform/system/NumLock.h"

namespace tallyard::native {

#if defined(_WIN32)
NumLockState readWindowsNumLock();
bool writeWindowsNumLock(bool on);
#elif defined(TALLYARD_HAVE_X11)
NumLockState readX11NumLock();
bool writeX11NumLock(bool on);
#endif

} // namespace tallyard::native
