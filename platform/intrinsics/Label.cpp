// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/Label.h"

#include <QPainter>

#include <cmath>

namespace tallyard {

Label::Label(QWidget *parent) : StyledControl(parent, syscolor::ButtonFace, syscolor::ButtonText)
{
    Move(0, 0, 1215, 255);
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    fitToText();
    update();
}

void Label::setAlignment(qint16 alignment)
{
    checkPropertyRange(alignment, LeftJustify, Center);
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void Label::setBackStyle(qint16 style)
{
    checkPropertyRange(style, Transparent, Opaque);
    if (style == m_backStyle)
        return;
    m_backStyle = style;
    update();
}

void Label::setBorderStyle(qint16 style)
{
    checkPropertyRange(style, 0, 1);
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    fitToText();
    update();
}

void Label::setAutoSize(bool autoSize)
{
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    fitToText();
}

void Label::setWordWrap(bool wordWrap)
{
    if (wordWrap == m_wordWrap)
        return;
    m_wordWrap = wordWrap;
    fitToText();
}

void Label::fontChanged()
{
    fitToText();
    update();
}

void Label::fitToText()
{
    if (!m_autoSize)
        return;
    const QFontMetrics metrics(font());
    const int border = m_borderStyle ? 2 : 0;
    QSize size;
    if (m_wordWrap) {
        const int width = std::max(1, static_cast<int>(std::lround(Width() / TwipsPerPixel)) - border);
        size = metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, m_caption).size();
        size.setWidth(width);
    } else {
        size = metrics.size(0, m_caption);
    }
    size.setHeight(std::max(size.height(), metrics.height()));
    Move(Left(), Top(), (size.width() + border) * TwipsPerPixel, (size.height() + border) * TwipsPerPixel);
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_backStyle == Opaque)
        painter.fillRect(rect(), backColor());
    QRect area = rect();
    if (m_borderStyle) {
        painter.setPen(resolveColor(syscolor::ButtonShadow));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    }
    painter.setPen(isEnabled() ? foreColor() : resolveColor(syscolor::GrayText));
    painter.setFont(font());
    painter.drawText(area, int(horizontalAlignment(m_alignment) | Qt::AlignTop | Qt::TextWordWrap), m_caption);
}

} // namespace tallyard
