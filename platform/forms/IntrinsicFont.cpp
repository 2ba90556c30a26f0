// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/IntrinsicFont.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tallyard {

int fontPixelSize(double points)
{
    return std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0)));
}

QFont intrinsicFont(const QString &name, double points, bool bold, bool italic)
{
    QFont font(name);
    font.setPixelSize(fontPixelSize(points));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void installFontSubstitutions()
{
    static const struct {
        const char *family;
        const char *substitute;
    } table[] = {
        {"Arial", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Helvetica", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Microsoft Sans Serif", "Liberation Sans"},
        {"Tahoma", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Times", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto &entry : table) {
        const QString family = QString::fromLatin1(entry.family);
        const QString substitute = QString::fromLatin1(entry.substitute);
        if (!QFont::substitutes(family).contains(substitute))
            QFont::insertSubstitution(family, substitute);
    }
}

} // namespace tallyard
