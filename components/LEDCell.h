// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// What the LED cells share: the look of their digits (size, ratio, style, colours), a
// painter that caches the digit glyphs, and the rule that a cell sizes itself. A setter
// that changes nothing does nothing; one that changes the look drops the cached glyphs and
// repaints; one that changes the footprint resizes the cell.

#include "tallyard_components_export.h"
#include "components/LEDStyle.h"
#include "components/SevenSegment.h"
#include "platform/forms/Control.h"

namespace tallyard {

class TALLYARD_COMPONENTS_EXPORT LEDCell : public Control {
    Q_OBJECT
    Q_PROPERTY(qint32 LitColor READ LitColor WRITE setLitColor)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint16 Size READ Size WRITE setSize)
    Q_PROPERTY(qint32 LedType READ LedType WRITE setLedType)
    Q_PROPERTY(qint32 DigitRatio READ DigitRatio WRITE setDigitRatio)

public:
    static constexpr qint32 DefaultLitColor = 0x0000FF; // red
    static constexpr qint32 DefaultBackColor = 0x000000;
    static constexpr qint32 DefaultLedType = led::Ortagon;

    qint32 LitColor() const { return m_litColor; }
    void setLitColor(qint32 color);
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 color);
    // The digit height in pixels; below 1 is ignored.
    qint16 Size() const { return m_size; }
    void setSize(qint16 size);
    // Any value is kept and read back; values other than lamps (CircleLED) draw bars.
    qint32 LedType() const { return m_ledType; }
    void setLedType(qint32 type);
    // Any value is kept and read back; an unknown ratio draws at 7:4.
    qint32 DigitRatio() const { return m_digitRatio; }
    void setDigitRatio(qint32 ratio);

    // How many times the cell has painted itself (for tests and benchmarks).
    int paintCount() const { return m_paintCount; }

protected:
    LEDCell(QWidget *parent, qint16 size, qint32 digitRatio);

    // The cell's own size in twips, from its look and content.
    virtual QSizeF ownSize() const = 0;
    // Takes the own size, keeping the position.
    void resizeToContent();
    // Drops the cached glyphs and repaints.
    void visualChange();
    // The digit box in pixels at the cell's size and ratio.
    QSizeF digitSize() const;
    // Fills the background, prepares the glyphs and draws them; counts the paint.
    void paintGlyphs(const std::vector<sevenseg::Glyph> &glyphs);

    void resizeEvent(QResizeEvent *event) override;
    // The cell sizes itself: a Width or Height set from outside gives way to its own size.
    void applyGeometry() override;

private:
    qint32 m_litColor = DefaultLitColor;
    qint32 m_backColor = DefaultBackColor;
    qint16 m_size;
    qint32 m_ledType = DefaultLedType;
    qint32 m_digitRatio;
    int m_paintCount = 0;
    sevenseg::DigitPainter m_painter;
};

} // namespace tallyard
