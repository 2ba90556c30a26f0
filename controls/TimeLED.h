// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A time display: a number of seconds shown as groups of LED digits (minutes and seconds by
// default) with colon or decimal-point dots between the groups. It draws nothing itself
// beyond its background: it creates, sizes, places and colours its NumberLED cells and its
// round dots, and sizes itself around them.

#include "quellin_export.h"
#include "controls/QuellinDispIds.h"
#include "components/NumberLED.h"
#include "controls/QuellinEnums.h"
#include "platform/forms/Control.h"

#include <QList>

#include <functional>

namespace tallyard {
class ControlArray;
class Shape;
} // namespace tallyard

namespace quellin {

class QUELLIN_EXPORT TimeLED : public tallyard::Control {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TimeLED")
    Q_CLASSINFO("ProgID", "Quellin.TimeLED")
    QUELLIN_TIMELED_DISPIDS(TALLYARD_DISPID_CLASSINFO)
    Q_PROPERTY(qint16 PaddingD READ PaddingD WRITE setPaddingD)
    Q_PROPERTY(qint16 Size READ Size WRITE setSize)
    Q_PROPERTY(qint16 PaddingH READ PaddingH WRITE setPaddingH)
    Q_PROPERTY(qint16 PaddingV READ PaddingV WRITE setPaddingV)
    Q_PROPERTY(qint16 PaddingI READ PaddingI WRITE setPaddingI)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 LitColor READ LitColor WRITE setLitColor)
    Q_PROPERTY(float Caption READ Caption WRITE setCaption)
    Q_PROPERTY(tallyard::led::LEDType LEDType READ LEDType WRITE setLEDType)
    Q_PROPERTY(tallyard::led::DigitRatioEnum DigitRatio READ DigitRatio WRITE setDigitRatio)
    Q_PROPERTY(QString GroupLengths READ GroupLengths WRITE setGroupLengths)
    Q_PROPERTY(QString GroupDividers READ GroupDividers WRITE setGroupDividers)
    Q_PROPERTY(bool ShowSeparators READ ShowSeparators WRITE setShowSeparators)
    Q_PROPERTY(qint32 SeparatorColor READ SeparatorColor WRITE setSeparatorColor)

public:
    // Makes one digit cell. The display's cells are NumberLEDs; a host or test may supply
    // cells of a NumberLED subclass.
    using CellFactory = std::function<tallyard::NumberLED *(QWidget *parent)>;

    // A new display's values (InitProperties), also the defaults the property bag leaves
    // out: minutes and seconds in orange 7:4 bars 45 pixels tall on black, white dots.
    static constexpr qint16 DefaultPadding = 90;
    static constexpr qint16 DefaultSize = 45;
    static constexpr qint32 DefaultBackColor = 0x000000;
    static constexpr qint32 DefaultLitColor = 0x0080FF;
    static constexpr qint32 DefaultSeparatorColor = 0xFFFFFF;
    static constexpr quellin::LEDType DefaultLEDType = Ortagon;
    static constexpr quellin::DigitRatioEnum DefaultDigitRatio = Size_H7_W4;
    static constexpr bool DefaultShowSeparators = true;
    static constexpr float DefaultCaption = 0.0f;
    static constexpr const char *DefaultGroupLengths = "2,2";
    static constexpr const char *DefaultGroupDividers = "60,1";

    explicit TimeLED(QWidget *parent = nullptr, CellFactory makeCell = {});
    ~TimeLED() override;

    // Margins and gaps in twips; a negative value is ignored. Each change lays the row out
    // again (and PaddingI goes to every cell first).
    qint16 PaddingD() const { return m_paddingD; }
    void setPaddingD(qint16 newPaddingD);
    qint16 PaddingH() const { return m_paddingH; }
    void setPaddingH(qint16 newPaddingH);
    qint16 PaddingV() const { return m_paddingV; }
    void setPaddingV(qint16 newPaddingV);
    qint16 PaddingI() const { return m_paddingI; }
    void setPaddingI(qint16 newPaddingI);
    // Digit size; below 9 is ignored. Sizes every cell and dot, then lays the row out.
    qint16 Size() const { return m_size; }
    void setSize(qint16 newSize);

    // The background of the display and of every cell. The dots keep their fill until the
    // next Caption.
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 newBackColor);
    qint32 LitColor() const { return m_litColor; }
    void setLitColor(qint32 newLitColor);
    // Passed to every cell; the row is not laid out again.
    quellin::LEDType LEDType() const { return m_ledType; }
    void setLEDType(quellin::LEDType newLedType);
    quellin::DigitRatioEnum DigitRatio() const { return m_digitRatio; }
    void setDigitRatio(quellin::DigitRatioEnum newDigitRatio);

    // The value in seconds, split into the groups and shown with their separators. Fails
    // with OverflowError when a group's value does not fit a 16-bit integer, and with
    // InvalidArgument for a negative divider; cells already set keep their new values.
    float Caption() const { return m_caption; }
    void setCaption(float newCaption);

    // Comma-separated digit counts, one group each; entries that are not a positive count
    // are skipped. Creates and removes cells and separator dots, then lays the row out.
    // A count of 5 or more fails with OverflowError.
    QString GroupLengths() const { return m_groupLengths; }
    void setGroupLengths(const QString &newLengths);
    // Comma-separated divisors, one per group, applied at the next Caption. An empty text
    // is stored but fails with SubscriptOutOfRange and keeps the previous divisors.
    QString GroupDividers() const { return m_groupDividers; }
    void setGroupDividers(const QString &newDividers);

    // Whether the dots between groups may be lit; setting the current value does nothing.
    bool ShowSeparators() const { return m_showSeparators; }
    void setShowSeparators(bool newShowSeparators);
    qint32 SeparatorColor() const { return m_separatorColor; }
    void setSeparatorColor(qint32 newSeparatorColor);

    void InitProperties() override;
    void ReadProperties(const tallyard::PropertyBag &bag) override;
    void WriteProperties(tallyard::PropertyBag &bag) const override;

    // The constituents, for hosts that inspect a display and for tests.
    tallyard::ControlArray *pledNumber() const { return m_pledNumber; }
    tallyard::ControlArray *shpTop() const { return m_shpTop; }
    tallyard::ControlArray *shpBottom() const { return m_shpBottom; }
    int cellCount() const;
    // Throws SubscriptOutOfRange for an index that is not loaded.
    tallyard::NumberLED *cell(int index) const;
    tallyard::Shape *topDot(int index) const;
    tallyard::Shape *bottomDot(int index) const;
    // GroupDividers as numbers, as the last successful parse left them.
    const QList<float> &Dividers() const { return m_dividers; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    tallyard::Shape *makeDot(QWidget *parent) const;
    void forwardCellEvents();
    tallyard::NumberLED *loadCell(int index);
    void ArrangeCells();

    CellFactory m_makeCell;
    tallyard::ControlArray *m_pledNumber = nullptr;
    tallyard::ControlArray *m_shpTop = nullptr;
    tallyard::ControlArray *m_shpBottom = nullptr;

    bool m_showSeparators = DefaultShowSeparators;
    QString m_groupLengths;
    QString m_groupDividers;
    qint16 m_paddingH = DefaultPadding;
    qint16 m_paddingV = DefaultPadding;
    qint16 m_paddingD = DefaultPadding;
    qint16 m_paddingI = DefaultPadding;
    qint16 m_size = DefaultSize;
    qint32 m_backColor = DefaultBackColor;
    qint32 m_litColor = DefaultLitColor;
    qint32 m_separatorColor = DefaultSeparatorColor;
    quellin::LEDType m_ledType = DefaultLEDType;
    quellin::DigitRatioEnum m_digitRatio = DefaultDigitRatio;
    float m_caption = DefaultCaption;
    QList<float> m_dividers;
};

} // namespace quellin
