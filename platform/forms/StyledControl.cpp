// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/StyledControl.h"

#include "platform/core/Values.h"

namespace tallyard {

StyledControl::StyledControl(QWidget *parent, qint32 backColor, qint32 foreColor)
    : IntrinsicControl(parent), m_backColor(backColor), m_foreColor(foreColor)
{
    applyFont();
}

void StyledControl::setBackColor(qint32 color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    colorsChanged();
}

void StyledControl::setForeColor(qint32 color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    colorsChanged();
}

void StyledControl::setFontName(const QString &name)
{
    if (name == m_fontName)
        return;
    m_fontName = name;
    applyFont();
}

void StyledControl::setFontSize(double points)
{
    if (!(points > 0.0 && points <= 2160.0))
        throw InvalidArgument();
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    applyFont();
}

void StyledControl::setFontBold(bool bold)
{
    if (bold == m_fontBold)
        return;
    m_fontBold = bold;
    applyFont();
}

void StyledControl::setFontItalic(bool italic)
{
    if (italic == m_fontItalic)
        return;
    m_fontItalic = italic;
    applyFont();
}

void StyledControl::applyFont()
{
    const QFont font = intrinsicFont(m_fontName, m_fontSize, m_fontBold, m_fontItalic);
    if (font == this->font() && testAttribute(Qt::WA_SetFont))
        return;
    setFont(font);
    fontChanged();
}

void StyledControl::colorsChanged()
{
    update();
}

void StyledControl::fontChanged()
{
    update();
}

} // namespace tallyard
