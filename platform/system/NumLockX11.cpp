// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/NumLockNative.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <memory>

namespace tallyard::native {

namespace {

// A connection of our own to the display Qt draws on: the lock state is the server's, and
// a separate connection keeps these calls out of Qt's event handling.
Display *display()
{
    static const std::unique_ptr<Display, int (*)(Display *)> connection(XOpenDisplay(nullptr), XCloseDisplay);
    return connection.get();
}

// The modifier the keyboard map gives NumLock (Mod2 on most maps); 0 when it has none.
unsigned int numLockMask(Display *dpy)
{
    return XkbKeysymToModifiers(dpy, XK_Num_Lock);
}

} // namespace

NumLockState readX11NumLock()
{
    Display *dpy = display();
    if (!dpy)
        return NumLockState::Unknown;
    const unsigned int mask = numLockMask(dpy);
    XkbStateRec state;
    if (mask == 0 || XkbGetState(dpy, XkbUseCoreKbd, &state) != Success)
        return NumLockState::Unknown;
    return (state.locked_mods & mask) ? NumLockState::On : NumLockState::Off;
}

bool writeX11NumLock(bool on)
{
    Display *dpy = display();
    if (!dpy)
        return false;
    const unsigned int mask = numLockMask(dpy);
    if (mask == 0 || !XkbLockModifiers(dpy, XkbUseCoreKbd, mask, on ? mask : 0))
        return false;
    // Round trip, so that a read right after sees the new state.
    XSync(dpy, False);
    return true;
}

} // namespace tallyard::native
