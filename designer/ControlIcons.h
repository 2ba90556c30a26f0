// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The widget box icons, drawn when Designer asks for them: the LED controls with the
// cells' own digit painter in their default colours, the clock as a stopwatch.

#include <QIcon>

namespace quellin::designer {

QIcon timeLedIcon();
QIcon timeKeeperIcon();
QIcon numberLedIcon();
QIcon ortagonIcon();

} // namespace quellin::designer
