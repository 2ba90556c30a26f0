// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "components/LEDCell.h"

#include "platform/core/OleColor.h"

#include <QPainter>

namespace tallyard {

LEDCell::LEDCell(QWidget *parent, qint16 size, qint32 digitRatio)
    : Control(parent), m_size(size), m_digitRatio(digitRatio)
{
    // Every pixel is painted, so Qt need not clear.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LEDCell::setLitColor(qint32 color)
{
    if (color == m_litColor)
        return;
    m_litColor = color;
    visualChange();
}

void LEDCell::setBackColor(qint32 color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    visualChange();
}

void LEDCell::setSize(qint16 size)
{
    if (size < 1 || size == m_size)
        return;
    m_size = size;
    visualChange();
    resizeToContent();
}

// The style does not change the footprint: switching between bars and lamps never moves
// anything.
void LEDCell::setLedType(qint32 type)
{
    if (type == m_ledType)
        return;
    m_ledType = type;
    visualChange();
}

void LEDCell::setDigitRatio(qint32 ratio)
{
    if (ratio == m_digitRatio)
        return;
    m_digitRatio = ratio;
    visualChange();
    resizeToContent();
}

void LEDCell::resizeToContent()
{
    const QSizeF size = ownSize();
    Move(Left(), Top(), size.width(), size.height());
}

void LEDCell::applyGeometry()
{
    const QSizeF size = ownSize();
    if (Width() != size.width() || Height() != size.height()) {
        Move(Left(), Top(), size.width(), size.height());
        return;
    }
    Control::applyGeometry();
}

void LEDCell::visualChange()
{
    m_painter.invalidate();
    update();
}

QSizeF LEDCell::digitSize() const
{
    const double height = std::max<qint16>(m_size, 0);
    return QSizeF(height * led::widthPerHeight(m_digitRatio), height);
}

void LEDCell::paintGlyphs(const std::vector<sevenseg::Glyph> &glyphs)
{
    ++m_paintCount;
    const QColor back = fromOleColor(m_backColor);
    QPainter painter(this);
    painter.fillRect(rect(), back);
    m_painter.prepare(digitSize(), m_ledType);
    m_painter.paint(painter, glyphs, fromOleColor(m_litColor), back);
}

void LEDCell::resizeEvent(QResizeEvent *event)
{
    // Glyph images are drawn for the device's pixel ratio; a new size may bring a new one.
    m_painter.invalidate();
    Control::resizeEvent(event);
}

} // namespace tallyard
