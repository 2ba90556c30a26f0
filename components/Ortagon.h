#pragma once
// A single LED character cell: one seven-segment character (a digit, the minus sign, a
// blank or one of the letters seven segments can show) in bars or in round lamps. The
// Options dialog previews the board's digit style with it.

#include "components/SevenSegment.h"
#include "platform/Control.h"

namespace tallyard {

class Ortagon : public Control {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Ortagon")
    Q_CLASSINFO("ProgID", "prjOrtagon.Ortagon")
    Q_CLASSINFO("DispId LedType", "0x68030000")
    Q_PROPERTY(qint32 LedType READ LedType WRITE setLedType)
    Q_PROPERTY(qint16 Size READ Size WRITE setSize)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(qint32 LitColor READ LitColor WRITE setLitColor)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 DigitRatio READ DigitRatio WRITE setDigitRatio)

public:
    // A new cell: a red 8, 65 pixels tall at the 7:4 ratio, on black (the look of the
    // board's number displays).
    static constexpr qint16 DefaultSize = 65;
    static constexpr char16_t DefaultCaption = u'8';
    static constexpr qint32 DefaultLitColor = 0x0000FF;
    static constexpr qint32 DefaultBackColor = 0x000000;
    static constexpr qint32 DefaultDigitRatio = 74;

    explicit Ortagon(QWidget *parent = nullptr);

    // 0 bars ("Lines"), 1 lamps ("Dots"); any other value is kept and draws bars.
    qint32 LedType() const { return m_ledType; }
    void setLedType(qint32 type);
    // The character's height in pixels; below 1 is ignored.
    qint16 Size() const { return m_size; }
    void setSize(qint16 size);
    // One character: a longer text keeps its first character, an empty one shows nothing.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &text);
    qint32 LitColor() const { return m_litColor; }
    void setLitColor(qint32 color);
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 color);
    // A DigitRatio value as NumberLED takes it.
    qint32 DigitRatio() const { return m_digitRatio; }
    void setDigitRatio(qint32 ratio);

    // The segments lit for the caption (sevenseg::Segment bits).
    uint8_t segmentsShown() const;
    int paintCount() const { return m_paintCount; }

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void applyGeometry() override;

private:
    QSizeF ownSize() const;
    void visualChange();

    qint32 m_ledType = 0;
    qint16 m_size = DefaultSize;
    QString m_caption = QString(QChar(DefaultCaption));
    qint32 m_litColor = DefaultLitColor;
    qint32 m_backColor = DefaultBackColor;
    qint32 m_digitRatio = DefaultDigitRatio;
    int m_paintCount = 0;
    sevenseg::DigitPainter m_painter;
};

} // namespace tallyard
