// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The shape of the forms: a rectangle, square, oval, circle or rounded box drawn on its
// container, with a border and a fill. It is decoration only: it never takes the focus and
// mouse input goes through it to whatever lies beneath.

#include "tallyard_forms_export.h"
#include "platform/forms/Control.h"

namespace tallyard {

class TALLYARD_FORMS_EXPORT Shape : public Control {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Shape")
    Q_CLASSINFO("ProgID", "VB.Shape")
    Q_PROPERTY(qint16 Shape READ shape WRITE setShape)
    Q_PROPERTY(qint32 FillColor READ FillColor WRITE setFillColor)
    Q_PROPERTY(qint16 FillStyle READ FillStyle WRITE setFillStyle)
    Q_PROPERTY(qint32 BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(qint16 BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint16 BackStyle READ BackStyle WRITE setBackStyle)

public:
    enum Kind : qint16 { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };
    // 0 solid, 1 transparent, 2 to 7 hatched (horizontal, vertical, upward diagonal,
    // downward diagonal, cross, diagonal cross).
    enum Fill : qint16 { SolidFill = 0, TransparentFill = 1 };
    // 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid.
    enum Border : qint16 { TransparentBorder = 0, SolidBorder = 1 };
    enum Back : qint16 { TransparentBack = 0, OpaqueBack = 1 };

    explicit Shape(QWidget *parent = nullptr);

    // Values outside the documented ranges throw InvalidArgument and change nothing.
    qint16 shape() const { return m_shape; }
    void setShape(qint16 shape);
    qint32 FillColor() const { return m_fillColor; }
    void setFillColor(qint32 color);
    qint16 FillStyle() const { return m_fillStyle; }
    void setFillStyle(qint16 style);
    qint32 BorderColor() const { return m_borderColor; }
    void setBorderColor(qint32 color);
    // In pixels, 1 to 8192.
    qint16 BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(qint16 pixels);
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 style);
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 color);
    qint16 BackStyle() const { return m_backStyle; }
    void setBackStyle(qint16 style);

    // How many times the shape has painted itself (for tests and benchmarks).
    int paintCount() const { return m_paintCount; }

    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template <typename T>
    void change(T &field, T value);

    qint16 m_shape = Rectangle;
    qint32 m_fillColor = 0;
    qint16 m_fillStyle = TransparentFill;
    qint32 m_borderColor = 0;
    qint16 m_borderWidth = 1;
    qint16 m_borderStyle = SolidBorder;
    qint32 m_backColor = 0xFFFFFF;
    qint16 m_backStyle = TransparentBack;
    int m_paintCount = 0;
};

} // namespace tallyard
