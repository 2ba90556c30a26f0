// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/system/Display.h"

#ifdef TALLYARD_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace tallyard {

DisplayReach reachDisplay(const QStringList &arguments)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (const qsizetype at = arguments.indexOf(QStringLiteral("-platform")); at >= 0 && at + 1 < arguments.size())
        platform = arguments.at(at + 1);
    const bool x11 = platform.isEmpty() || platform.startsWith(u"xcb");
    const bool wayland = platform.isEmpty() || platform.startsWith(u"wayland");
    if (!x11 && !wayland)
        return DisplayReach::Reachable;
    const bool waylandNamed = wayland && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const bool x11Named = x11 && !qEnvironmentVariableIsEmpty("DISPLAY");
    if (!waylandNamed && !x11Named)
        return DisplayReach::NoneNamed;
#ifdef TALLYARD_HAVE_X11
    if (x11Named && !waylandNamed) {
        Display *display = XOpenDisplay(nullptr);
        if (!display)
            return DisplayReach::Unreachable;
        XCloseDisplay(display);
    }
#endif
#else
    Q_UNUSED(arguments);
#endif
    return DisplayReach::Reachable;
}

} // namespace tallyard
