#pragma once
// A numeric LED display: a whole number drawn as seven-segment digits in a fixed count of
// digit positions (the digits of Max), as solid bars or as rows of round lamps. The cell
// sizes itself from its digit size, ratio, style, paddings and Max.

#include "platform/Control.h"

#include <QColor>

namespace tallyard {

class NumberLED : public Control {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "NumberLED")
    Q_CLASSINFO("ProgID", "Brenlite.NumberLED")
    Q_CLASSINFO("DispId DecimalPlaces", "0x68030000")
    Q_CLASSINFO("DispId WholeNumber", "0x68030001")
    Q_CLASSINFO("DispId ZeroFill", "0x68030002")
    Q_CLASSINFO("DispId Max", "0x68030004")
    Q_CLASSINFO("DispId DigitRatio", "0x68030005")
    Q_CLASSINFO("DispId LedType", "0x68030006")
    Q_CLASSINFO("DispId Caption", "0x68030007")
    Q_CLASSINFO("DispId LitColor", "0x68030008")
    Q_CLASSINFO("DispId BackColor", "0x68030009")
    Q_CLASSINFO("DispId PaddingI", "0x6803000A")
    Q_CLASSINFO("DispId PaddingH", "0x6803000B")
    Q_CLASSINFO("DispId PaddingV", "0x6803000C")
    Q_CLASSINFO("DispId Size", "0x6803000D")
    Q_PROPERTY(qint16 Caption READ Caption WRITE setCaption)
    Q_PROPERTY(qint32 LitColor READ LitColor WRITE setLitColor)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint16 PaddingI READ PaddingI WRITE setPaddingI)
    Q_PROPERTY(qint16 PaddingH READ PaddingH WRITE setPaddingH)
    Q_PROPERTY(qint16 PaddingV READ PaddingV WRITE setPaddingV)
    Q_PROPERTY(qint16 Size READ Size WRITE setSize)
    Q_PROPERTY(qint32 LedType READ LedType WRITE setLedType)
    Q_PROPERTY(qint32 DigitRatio READ DigitRatio WRITE setDigitRatio)
    Q_PROPERTY(qint16 Max READ Max WRITE setMax)
    Q_PROPERTY(bool ZeroFill READ ZeroFill WRITE setZeroFill)
    Q_PROPERTY(qint32 WholeNumber READ WholeNumber WRITE setWholeNumber)
    Q_PROPERTY(qint16 DecimalPlaces READ DecimalPlaces WRITE setDecimalPlaces)

public:
    // Drawing styles (the library's LEDType values).
    static constexpr qint32 SegmentStyle = 0; // solid bars ("Lines")
    static constexpr qint32 DotStyle = 1;     // rows of round lamps ("Dots")

    explicit NumberLED(QWidget *parent = nullptr);

    // -1 shows nothing lit.
    qint16 Caption() const { return m_caption; }
    void setCaption(qint16 value);
    qint32 LitColor() const { return m_litColor; }
    void setLitColor(qint32 color);
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 color);
    qint16 PaddingI() const { return m_paddingI; }
    void setPaddingI(qint16 twips);
    qint16 PaddingH() const { return m_paddingH; }
    void setPaddingH(qint16 twips);
    qint16 PaddingV() const { return m_paddingV; }
    void setPaddingV(qint16 twips);
    qint16 Size() const { return m_size; }
    void setSize(qint16 size);
    qint32 LedType() const { return m_ledType; }
    void setLedType(qint32 type);
    qint32 DigitRatio() const { return m_digitRatio; }
    void setDigitRatio(qint32 ratio);
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

    // How many times the cell has painted itself (for tests and benchmarks).
    int paintCount() const { return m_paintCount; }

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void resizeToContent();

    qint16 m_caption = 0;
    qint32 m_litColor = 0x0000FF;
    qint32 m_backColor = 0;
    qint16 m_paddingI = 0;
    qint16 m_paddingH = 0;
    qint16 m_paddingV = 0;
    qint16 m_size = 45;
    qint32 m_ledType = SegmentStyle;
    qint32 m_digitRatio = 74;
    qint16 m_max = 99;
    bool m_zeroFill = false;
    qint32 m_wholeNumber = 1;
    qint16 m_decimalPlaces = 0;
    int m_paintCount = 0;
};

} // namespace tallyard
