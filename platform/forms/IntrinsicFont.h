// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Fonts by name and point size, drawn at a pixel size tied to the twip geometry, so text
// scales exactly with the controls whatever the screen's DPI setting.

#include "tallyard_forms_export.h"

#include <QFont>
#include <QString>

namespace tallyard {

// 1 point is 20 twips and a pixel 15 twips, so a font of p points is drawn p * 4 / 3 pixels
// high (32.25 pt -> 43 px), never less than 1.
TALLYARD_FORMS_EXPORT int fontPixelSize(double points);

// The font the intrinsic controls draw with.
TALLYARD_FORMS_EXPORT QFont intrinsicFont(const QString &name, double points, bool bold, bool italic);

// Maps the Windows font names the forms are designed with to metric-compatible families,
// so text keeps its designed width where those fonts are not installed. Safe to call twice.
TALLYARD_FORMS_EXPORT void installFontSubstitutions();

} // namespace tallyard
