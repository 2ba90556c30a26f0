// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/SystemColors.h"

#include "platform/core/OleColor.h"

#include <QApplication>
#include <QPalette>

namespace tallyard {

QColor resolveColor(qint32 ole)
{
    if (!(static_cast<quint32>(ole) & 0x80000000u))
        return fromOleColor(ole & 0xFFFFFF);
    const QPalette palette = QApplication::palette();
    switch (ole & 0xFF) {
    case 0x00: // scroll bars
    case 0x0C: // application workspace
        return palette.color(QPalette::Mid);
    case 0x05: // window background
        return palette.color(QPalette::Base);
    case 0x08: // window text
    case 0x07: // menu text
        return palette.color(QPalette::Text);
    case 0x0D:
        return palette.color(QPalette::Highlight);
    case 0x0E:
        return palette.color(QPalette::HighlightedText);
    case 0x10: // button shadow
        return palette.color(QPalette::Dark);
    case 0x11: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 0x12: // button text
        return palette.color(QPalette::ButtonText);
    case 0x14: // button highlight
        return palette.color(QPalette::Light);
    case 0x15: // 3D dark shadow
        return palette.color(QPalette::Shadow);
    case 0x16: // 3D light
        return palette.color(QPalette::Midlight);
    case 0x17: // tooltip text
        return palette.color(QPalette::ToolTipText);
    case 0x18: // tooltip background
        return palette.color(QPalette::ToolTipBase);
    default: // button face and everything window-coloured
        return palette.color(QPalette::Window);
    }
}

} // namespace tallyard
