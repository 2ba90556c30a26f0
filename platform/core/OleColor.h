// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Colours as the settings and properties hold them: 32-bit 0x00BBGGRR (red in the low byte).

#include <QColor>

#include <cstdint>

namespace tallyard {

inline QColor fromOleColor(int32_t ole)
{
    return QColor(ole & 0xFF, (ole >> 8) & 0xFF, (ole >> 16) & 0xFF);
}

inline int32_t toOleColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace tallyard
