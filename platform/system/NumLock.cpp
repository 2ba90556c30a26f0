// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/NumLock.h"

#include "platform/system/NumLockNative.h"

#include <QGuiApplication>

namespace tallyard {

namespace {

NumLockBackend &installed()
{
    static NumLockBackend backend;
    return backend;
}

int &requests()
{
    static int count = 0;
    return count;
}

// X11 only where Qt itself draws on X11: a Wayland session's keyboard is not ours to set.
bool onX11()
{
    return qGuiApp && QGuiApplication::platformName() == QLatin1StringView("xcb");
}

NumLockState systemRead()
{
#if defined(_WIN32)
    return native::readWindowsNumLock();
#elif defined(TALLYARD_HAVE_X11)
    return onX11() ? native::readX11NumLock() : NumLockState::Unknown;
#else
    return NumLockState::Unknown;
#endif
}

bool systemWrite(bool on)
{
#if defined(_WIN32)
    return native::writeWindowsNumLock(on);
#elif defined(TALLYARD_HAVE_X11)
    return onX11() && native::writeX11NumLock(on);
#else
    Q_UNUSED(on);
    return false;
#endif
}

} // namespace

NumLockState readNumLock()
{
    return installed().read ? installed().read() : systemRead();
}

bool writeNumLock(bool on)
{
    ++requests();
    return installed().write ? installed().write(on) : systemWrite(on);
}

int numLockRequestsSent()
{
    return requests();
}

void setNumLockOverride(NumLockBackend backend)
{
    installed() = backend;
}

} // namespace tallyard
