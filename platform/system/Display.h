// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Whether a window system is there to be shown on, asked before Qt is, which would abort the
// process without one.

#include "tallyard_system_export.h"

#include <QString>
#include <QStringList>

namespace tallyard {

enum class DisplayReach {
    Reachable,   // or not ours to judge: another platform (offscreen, a VNC server, ...)
    NoneNamed,   // neither DISPLAY nor WAYLAND_DISPLAY says where to show
    Unreachable, // DISPLAY names an X server that does not answer
};

// arguments are the program's, for a -platform of Qt's among them.
TALLYARD_SYSTEM_EXPORT DisplayReach reachDisplay(const QStringList &arguments);

} // namespace tallyard
