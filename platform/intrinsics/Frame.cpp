// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/Frame.h"

#include <QPainter>
#include <QPainterPath>

namespace tallyard {

Frame::Frame(QWidget *parent) : StyledControl(parent, syscolor::ButtonFace, syscolor::ButtonText)
{
    Move(0, 0, 1935, 1455);
}

void Frame::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void Frame::setBorderStyle(qint16 style)
{
    checkPropertyRange(style, NoBorder, FixedSingle);
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    const QFontMetrics metrics(font());
    const int textLeft = 7;
    QRect textRect;
    if (!m_caption.isEmpty())
        textRect = QRect(textLeft, 0, std::min(metrics.horizontalAdvance(m_caption), width() - textLeft - 3),
                         metrics.height());
    if (m_borderStyle == FixedSingle) {
        // The line runs through the middle of the caption's first line, with a gap for it.
        const qreal top = m_caption.isEmpty() ? 0.5 : std::floor(metrics.height() / 2.0) + 0.5;
        QPainterPath line;
        line.addRoundedRect(QRectF(0.5, top, width() - 1.0, height() - top - 0.5), 3, 3);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        if (!textRect.isNull())
            painter.setClipRegion(QRegion(rect()).subtracted(QRegion(textRect.adjusted(-3, 0, 3, 0))));
        painter.setPen(resolveColor(syscolor::ButtonShadow));
        painter.drawPath(line);
        painter.restore();
    }
    if (!m_caption.isEmpty()) {
        painter.setFont(font());
        painter.setPen(isEnabled() ? foreColor() : resolveColor(syscolor::GrayText));
        painter.drawText(textRect, int(Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine), m_caption);
    }
}

} // namespace tallyard
