// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/Shape.h"

#include "platform/core/OleColor.h"
#include "platform/core/Properties.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tallyard {

namespace {

Qt::BrushStyle hatch(qint16 fillStyle)
{
    switch (fillStyle) {
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern; // upward: bottom left to top right
    case 5:
        return Qt::FDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

Qt::PenStyle penStyle(qint16 borderStyle)
{
    switch (borderStyle) {
    case 2:
        return Qt::DashLine;
    case 3:
        return Qt::DotLine;
    case 4:
        return Qt::DashDotLine;
    case 5:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

void checkRange(qint16 value, qint16 low, qint16 high)
{
    if (value < low || value > high)
        throw InvalidArgument();
}

} // namespace

Shape::Shape(QWidget *parent) : Control(parent)
{
    // Decoration: clicks and moves belong to the container beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    Move(0, 0, 1215, 1215);
}

template <typename T>
void Shape::change(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    update();
}

void Shape::setShape(qint16 shape)
{
    checkRange(shape, Rectangle, RoundedSquare);
    change(m_shape, shape);
}

void Shape::setFillColor(qint32 color)
{
    change(m_fillColor, color);
}

void Shape::setFillStyle(qint16 style)
{
    checkRange(style, 0, 7);
    change(m_fillStyle, style);
}

void Shape::setBorderColor(qint32 color)
{
    change(m_borderColor, color);
}

void Shape::setBorderWidth(qint16 pixels)
{
    checkRange(pixels, 1, 8192);
    change(m_borderWidth, pixels);
}

void Shape::setBorderStyle(qint16 style)
{
    checkRange(style, 0, 6);
    change(m_borderStyle, style);
}

void Shape::setBackColor(qint32 color)
{
    change(m_backColor, color);
}

void Shape::setBackStyle(qint16 style)
{
    checkRange(style, TransparentBack, OpaqueBack);
    change(m_backStyle, style);
}

void Shape::paintEvent(QPaintEvent *)
{
    ++m_paintCount;
    QRectF box = rect();
    if (box.isEmpty())
        return;
    const bool squared = m_shape == Square || m_shape == Circle || m_shape == RoundedSquare;
    if (squared) {
        const qreal side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    const bool border = m_borderStyle != TransparentBorder;
    // The border lies inside the shape's box, so nothing of it is cut off at the edges.
    const qreal inset = border ? std::min<qreal>(m_borderWidth, std::min(box.width(), box.height()) / 2) / 2 : 0.0;
    const QRectF outline = box.adjusted(inset, inset, -inset, -inset);

    QPainterPath path;
    switch (m_shape) {
    case Oval:
    case Circle:
        path.addEllipse(outline);
        break;
    case RoundedRectangle:
    case RoundedSquare: {
        const qreal radius = std::min(box.width(), box.height()) / 6;
        path.addRoundedRect(outline, radius, radius);
        break;
    }
    default:
        path.addRect(outline);
        break;
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_backStyle == OpaqueBack)
        painter.fillPath(path, fromOleColor(m_backColor));
    if (m_fillStyle == SolidFill)
        painter.fillPath(path, fromOleColor(m_fillColor));
    else if (m_fillStyle != TransparentFill)
        painter.fillPath(path, QBrush(fromOleColor(m_fillColor), hatch(m_fillStyle)));
    if (border) {
        QPen pen(fromOleColor(m_borderColor), 2 * inset, penStyle(m_borderStyle));
        pen.setJoinStyle(Qt::MiterJoin);
        painter.strokePath(path, pen);
    }
}

void Shape::ReadProperties(const PropertyBag &bag)
{
    setShape(variantToInt16(bag.ReadProperty(QStringLiteral("Shape"), 0)));
    setFillColor(variantToInt32(bag.ReadProperty(QStringLiteral("FillColor"), 0)));
    setFillStyle(variantToInt16(bag.ReadProperty(QStringLiteral("FillStyle"), 1)));
    setBorderColor(variantToInt32(bag.ReadProperty(QStringLiteral("BorderColor"), 0)));
    setBorderWidth(variantToInt16(bag.ReadProperty(QStringLiteral("BorderWidth"), 1)));
    setBorderStyle(variantToInt16(bag.ReadProperty(QStringLiteral("BorderStyle"), 1)));
    setBackColor(variantToInt32(bag.ReadProperty(QStringLiteral("BackColor"), 0xFFFFFF)));
    setBackStyle(variantToInt16(bag.ReadProperty(QStringLiteral("BackStyle"), 0)));
}

void Shape::WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("Shape"), m_shape, 0);
    bag.WriteProperty(QStringLiteral("FillColor"), m_fillColor, 0);
    bag.WriteProperty(QStringLiteral("FillStyle"), m_fillStyle, 1);
    bag.WriteProperty(QStringLiteral("BorderColor"), m_borderColor, 0);
    bag.WriteProperty(QStringLiteral("BorderWidth"), m_borderWidth, 1);
    bag.WriteProperty(QStringLiteral("BorderStyle"), m_borderStyle, 1);
    bag.WriteProperty(QStringLiteral("BackColor"), m_backColor, 0xFFFFFF);
    bag.WriteProperty(QStringLiteral("BackStyle"), m_backStyle, 0);
}

} // namespace tallyard
