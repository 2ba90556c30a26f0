// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A numeric LED display: a whole number drawn as seven-segment digits in a fixed count of
// digit positions (the digits of Max), as solid bars or as rows of round lamps. The cell
// sizes itself from its digit size, ratio, style, paddings and Max.

#include "tallyard_components_export.h"
#include "components/LEDDispIds.h"
#include "components/LEDCell.h"

#include <QColor>
#include <QRectF>

#include <vector>

namespace tallyard {

class TALLYARD_COMPONENTS_EXPORT NumberLED : public LEDCell {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "NumberLED")
    Q_CLASSINFO("ProgID", "Brenlite.NumberLED")
    TALLYARD_NUMBERLED_DISPIDS(TALLYARD_DISPID_CLASSINFO)
    Q_PROPERTY(qint16 Caption READ Caption WRITE setCaption)
    Q_PROPERTY(qint16 PaddingI READ PaddingI WRITE setPaddingI)
    Q_PROPERTY(qint16 PaddingH READ PaddingH WRITE setPaddingH)
    Q_PROPERTY(qint16 PaddingV READ PaddingV WRITE setPaddingV)
    Q_PROPERTY(qint16 Max READ Max WRITE setMax)
    Q_PROPERTY(bool ZeroFill READ ZeroFill WRITE setZeroFill)
    Q_PROPERTY(qint32 WholeNumber READ WholeNumber WRITE setWholeNumber)
    Q_PROPERTY(qint16 DecimalPlaces READ DecimalPlaces WRITE setDecimalPlaces)

public:
    // A new cell's values (InitProperties), also the defaults the property bag leaves out:
    // two red digits 45 pixels tall on black, at the 9:5 ratio (the board's displays are
    // designed for it), without margins.
    static constexpr qint16 DefaultMax = 99;
    static constexpr qint16 DefaultSize = 45;
    static constexpr qint16 DefaultPadding = 0;
    static constexpr bool DefaultZeroFill = false;
    static constexpr qint32 DefaultDigitRatio = led::Size_H9_W5;
    static constexpr qint16 DefaultCaption = 0;
    static constexpr qint32 DefaultWholeNumber = 1;
    static constexpr qint16 DefaultDecimalPlaces = 0;

    explicit NumberLED(QWidget *parent = nullptr);

    // -1 shows nothing lit.
    qint16 Caption() const { return m_caption; }
    void setCaption(qint16 value);
    qint16 PaddingI() const { return m_paddingI; }
    void setPaddingI(qint16 twips);
    qint16 PaddingH() const { return m_paddingH; }
    void setPaddingH(qint16 twips);
    qint16 PaddingV() const { return m_paddingV; }
    void setPaddingV(qint16 twips);
    qint16 Max() const { return m_max; }
    void setMax(qint16 max);
    bool ZeroFill() const { return m_zeroFill; }
    void setZeroFill(bool zeroFill);
    qint32 WholeNumber() const { return m_wholeNumber; }
    void setWholeNumber(qint32 wholeNumber);
    qint16 DecimalPlaces() const { return m_decimalPlaces; }
    void setDecimalPlaces(qint16 places);

    // Digit positions: the count of digits of Max (at least 1).
    int digitCount() const;

    // The cell's size in twips for the given settings (the one sizing rule; see the .cpp).
    static QSizeF cellSize(qint16 size, qint32 digitRatio, qint32 ledType, qint16 paddingI, qint16 paddingH,
                           qint16 paddingV, qint16 max);

    // Whether the leading position is a narrow half digit that shows only a 1 (a Max of
    // 10 to 19, 100 to 199, ... as on a 2 1/2-digit meter).
    static bool hasHalfDigit(qint16 max);
    // The segments lit in each digit position, leftmost first (sevenseg::Segment bits), as
    // the cell shows a value: what the audience reads.
    static std::vector<uint8_t> segmentsShown(qint16 caption, qint16 max, bool zeroFill, qint32 wholeNumber);
    std::vector<uint8_t> segmentsShown() const;

    // Where each digit position is drawn, leftmost first, in pixels of the cell: a full
    // digit's box (a half digit's box reaches left of its narrow position, whose right-hand
    // bars alone it draws), as painting and a copy of the board elsewhere (a web page) use it.
    struct DigitBox {
        QRectF box;
        bool half = false;
    };
    std::vector<DigitBox> digitBoxes() const;

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    QSizeF ownSize() const override;

private:
    qint16 m_caption = DefaultCaption;
    qint16 m_paddingI = DefaultPadding;
    qint16 m_paddingH = DefaultPadding;
    qint16 m_paddingV = DefaultPadding;
    qint16 m_max = DefaultMax;
    bool m_zeroFill = DefaultZeroFill;
    qint32 m_wholeNumber = DefaultWholeNumber;
    qint16 m_decimalPlaces = DefaultDecimalPlaces;
};

} // namespace tallyard
