// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Colours as the forms store them: 0x00BBGGRR values, or the old runtime's system colours
// (high bit set), resolved against the application's palette.

#include "tallyard_forms_export.h"

#include <QColor>

namespace tallyard {

// 0x8000000F (button face), 0x80000005 (window background), ...: the system colours a
// control starts with, resolved against the application's palette.
namespace syscolor {
inline constexpr qint32 ScrollBars = qint32(0x80000000), WindowBackground = qint32(0x80000005),
                        WindowText = qint32(0x80000008), Highlight = qint32(0x8000000D),
                        HighlightText = qint32(0x8000000E), ButtonFace = qint32(0x8000000F),
                        ButtonShadow = qint32(0x80000010), GrayText = qint32(0x80000011),
                        ButtonText = qint32(0x80000012);
}

// The colour a property value stands for: 0x00BBGGRR, or a system colour (high bit set).
TALLYARD_FORMS_EXPORT QColor resolveColor(qint32 ole);

} // namespace tallyard
