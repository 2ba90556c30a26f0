// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "controls/TimeLED.h"

#include "platform/forms/ControlArray.h"
#include "platform/core/OleColor.h"
#include "platform/forms/Shape.h"
#include "platform/core/Values.h"

#include <QPainter>
#include <QPaintEvent>

#include <cmath>

using tallyard::ControlArray;
using tallyard::NumberLED;
using tallyard::Shape;

namespace quellin {

namespace {

// A dot's distance from the top or bottom edge of its cell, per unit of digit size.
constexpr double DotInset = 15.0 / 9.0;
constexpr double DotDiameter = 2.5;

// Products the old Integer arithmetic computed in 16 bits: out of range is an overflow.
qint16 twice(qint16 value)
{
    return tallyard::toInt16(2.0 * value);
}

} // namespace

TimeLED::TimeLED(QWidget *parent, CellFactory makeCell)
    : Control(parent), m_makeCell(makeCell ? std::move(makeCell) : [](QWidget *p) { return new NumberLED(p); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // One stop in the tab order: the focus lives in the cells, and focus moving among them
    // is no focus change of the display.
    setComposite(true);
    setFocusable(true);

    NumberLED *first = m_makeCell(this);
    first->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(first);
    m_pledNumber = new ControlArray(QStringLiteral("pledNumber"), first, m_makeCell, this);
    m_shpTop = new ControlArray(
        QStringLiteral("shpTop"), makeDot(this), [this](QWidget *p) { return makeDot(p); }, this);
    m_shpBottom = new ControlArray(
        QStringLiteral("shpBottom"), makeDot(this), [this](QWidget *p) { return makeDot(p); }, this);
    forwardCellEvents();
    // Built by its constructor alone (a form compiled from Designer's .ui file, QUiLoader) it
    // shows the clock a host's new display shows, not four bare cells.
    InitProperties();
}

TimeLED::~TimeLED() = default;

Shape *TimeLED::makeDot(QWidget *parent) const
{
    auto *dot = new Shape(parent);
    dot->setShape(Shape::Circle);
    dot->setFillStyle(Shape::SolidFill);
    dot->setBorderStyle(Shape::TransparentBorder);
    dot->setFillColor(m_backColor);
    const double diameter = DotDiameter * m_size;
    dot->Move(0, 0, diameter, diameter);
    // Like every shape, the dots lie on the display's surface beneath the cells: a pair
    // left unused behind a single cell stays hidden under it.
    dot->lower();
    return dot;
}

// The cells' events are the display's own: the index goes, references stay references, so
// a handler that changes KeyCode changes it for the cell too.
void TimeLED::forwardCellEvents()
{
    connect(m_pledNumber, &ControlArray::Click, this, [this](qint16) { emit Click(); });
    connect(m_pledNumber, &ControlArray::DblClick, this, [this](qint16) { emit DblClick(); });
    connect(m_pledNumber, &ControlArray::KeyDown, this,
            [this](qint16, qint16 &KeyCode, qint16 &Shift) { emit KeyDown(KeyCode, Shift); });
    connect(m_pledNumber, &ControlArray::KeyPress, this, [this](qint16, qint16 KeyAscii) { emit KeyPress(KeyAscii); });
    connect(m_pledNumber, &ControlArray::KeyUp, this,
            [this](qint16, qint16 KeyCode, qint16 &Shift) { emit KeyUp(KeyCode, Shift); });
    connect(m_pledNumber, &ControlArray::MouseDown, this,
            [this](qint16, qint16 &Button, qint16 &Shift, float &X, float &Y) { emit MouseDown(Button, Shift, X, Y); });
    connect(m_pledNumber, &ControlArray::MouseMove, this,
            [this](qint16, qint16 &Button, qint16 &Shift, float &X, float &Y) { emit MouseMove(Button, Shift, X, Y); });
    connect(m_pledNumber, &ControlArray::MouseUp, this,
            [this](qint16, qint16 &Button, qint16 &Shift, float &X, float &Y) { emit MouseUp(Button, Shift, X, Y); });
}

int TimeLED::cellCount() const
{
    return m_pledNumber->Count();
}

NumberLED *TimeLED::cell(int index) const
{
    return static_cast<NumberLED *>(m_pledNumber->item(index));
}

Shape *TimeLED::topDot(int index) const
{
    return static_cast<Shape *>(m_shpTop->item(index));
}

Shape *TimeLED::bottomDot(int index) const
{
    return static_cast<Shape *>(m_shpBottom->item(index));
}

NumberLED *TimeLED::loadCell(int index)
{
    auto *created = static_cast<NumberLED *>(m_pledNumber->Load(index));
    // Only cell 0 is a tab stop; a click still gives a later cell the focus, so its keys
    // reach the host too.
    created->setTabStop(false);
    created->setFocusPolicy(Qt::ClickFocus);
    return created;
}

// ---------------------------------------------------------------------------------------
// Properties

void TimeLED::setPaddingD(qint16 newPaddingD)
{
    if (newPaddingD < 0)
        return;
    m_paddingD = newPaddingD;
    ArrangeCells();
}

void TimeLED::setPaddingH(qint16 newPaddingH)
{
    if (newPaddingH < 0)
        return;
    m_paddingH = newPaddingH;
    ArrangeCells();
}

void TimeLED::setPaddingV(qint16 newPaddingV)
{
    if (newPaddingV < 0)
        return;
    m_paddingV = newPaddingV;
    ArrangeCells();
}

void TimeLED::setPaddingI(qint16 newPaddingI)
{
    if (newPaddingI < 0)
        return;
    m_paddingI = newPaddingI;
    for (Control *c : m_pledNumber->elements())
        static_cast<NumberLED *>(c)->setPaddingI(newPaddingI);
    ArrangeCells();
}

void TimeLED::setBackColor(qint32 newBackColor)
{
    if (newBackColor != m_backColor)
        update();
    m_backColor = newBackColor;
    for (Control *c : m_pledNumber->elements())
        static_cast<NumberLED *>(c)->setBackColor(newBackColor);
}

void TimeLED::setLitColor(qint32 newLitColor)
{
    m_litColor = newLitColor;
    for (Control *c : m_pledNumber->elements())
        static_cast<NumberLED *>(c)->setLitColor(newLitColor);
}

void TimeLED::setLEDType(quellin::LEDType newLedType)
{
    m_ledType = newLedType;
    for (Control *c : m_pledNumber->elements())
        static_cast<NumberLED *>(c)->setLedType(newLedType);
}

void TimeLED::setDigitRatio(quellin::DigitRatioEnum newDigitRatio)
{
    m_digitRatio = newDigitRatio;
    for (Control *c : m_pledNumber->elements())
        static_cast<NumberLED *>(c)->setDigitRatio(newDigitRatio);
}

void TimeLED::setSize(qint16 newSize)
{
    if (newSize < 9)
        return;
    m_size = newSize;
    for (Control *c : m_pledNumber->elements())
        static_cast<NumberLED *>(c)->setSize(newSize);
    const double diameter = newSize * DotDiameter;
    for (int j = 0; j <= m_shpTop->UBound(); ++j) {
        Shape *top = topDot(j);
        Shape *bottom = bottomDot(j);
        top->setWidth(diameter);
        top->setHeight(diameter);
        bottom->setWidth(diameter);
        bottom->setHeight(diameter);
    }
    ArrangeCells();
}

void TimeLED::setShowSeparators(bool newShowSeparators)
{
    if (newShowSeparators == m_showSeparators)
        return;
    m_showSeparators = newShowSeparators;
    setCaption(m_caption);
}

void TimeLED::setSeparatorColor(qint32 newSeparatorColor)
{
    m_separatorColor = newSeparatorColor;
    setCaption(m_caption);
}

// ---------------------------------------------------------------------------------------
// Groups

void TimeLED::setGroupLengths(const QString &newLengths)
{
    m_groupLengths = newLengths;
    int c = 0; // cells filled so far
    if (!newLengths.isEmpty()) {
        for (const QString &entry : newLengths.split(u',')) {
            const double n = std::floor(tallyard::numericValue(entry));
            if (n <= 0)
                continue;
            NumberLED *target = m_pledNumber->exists(c) ? cell(c) : loadCell(c);
            target->setMax(tallyard::toInt16(std::pow(10.0, n) - 1.0));
            target->setZeroFill(c > 0);
            ++c;
        }
    }
    for (int i = m_pledNumber->UBound(); i >= std::max(c, 1); --i)
        m_pledNumber->Unload(i);

    // Separator pairs 0 to n-2 stand between the n cells; pair 0 always exists.
    const int lastPair = cellCount() - 2;
    for (int j = m_shpTop->UBound() + 1; j <= lastPair; ++j) {
        for (ControlArray *dots : {m_shpTop, m_shpBottom}) {
            auto *dot = static_cast<Shape *>(dots->Load(j));
            dot->setFillColor(m_backColor);
            dot->setVisibleFlag(true);
        }
    }
    for (int j = m_shpTop->UBound(); j > std::max(lastPair, 0); --j) {
        m_shpTop->Unload(j);
        m_shpBottom->Unload(j);
    }
    ArrangeCells();
}

void TimeLED::setGroupDividers(const QString &newDividers)
{
    m_groupDividers = newDividers;
    // An empty text has no entries, and there is no list of no divisors: the previous
    // divisors stay.
    if (newDividers.isEmpty())
        throw tallyard::SubscriptOutOfRange();
    QList<float> parsed;
    for (const QString &entry : newDividers.split(u','))
        parsed << tallyard::toSingle(tallyard::numericValue(entry));
    m_dividers = parsed;
}

void TimeLED::setCaption(float newCaption)
{
    m_caption = newCaption;
    float rest = newCaption;
    const int n = cellCount();
    const int lastDivider = static_cast<int>(m_dividers.size()) - 1;
    for (int i = 0; i < n && i <= lastDivider; ++i) {
        const float d = m_dividers[i];
        if (d == 0.0f)
            continue;
        NumberLED *target = cell(i);
        qint16 v = 0;
        if (d >= 1.0f) {
            const float q = rest / d;
            v = tallyard::toInt16(std::floor(q));
            bool zeroFill = true;
            if (i == 0 || cell(i - 1)->Caption() < 0) {
                // A leading group of zeros is blanked, unless the next group is a fraction
                // (0.3 shows 0.3, not .3). The last group always shows.
                if (i < lastDivider && v == 0 && m_dividers[i + 1] >= 1.0f)
                    v = -1;
                zeroFill = false;
            }
            target->setZeroFill(zeroFill);
            target->setWholeNumber(1);
        } else {
            const float q = rest / d;
            v = tallyard::toInt16(tallyard::roundHalfEven(q));
            target->setWholeNumber(0);
            target->setZeroFill(false);
            // Worked out from the single-precision divider: 0.1f lies just above 0.1, so a
            // tenths group has 0 places by this rule, hundredths 2.
            const double places = -std::log(static_cast<double>(d)) / std::log(10.0);
            if (!std::isfinite(places))
                throw tallyard::InvalidArgument();
            target->setDecimalPlaces(tallyard::toInt16(std::floor(places)));
        }
        target->setCaption(v);
        if (v > 0)
            rest = rest - static_cast<float>(v) * d;
    }

    for (int j = 1; j < n && j <= lastDivider; ++j) {
        Shape *top = topDot(j - 1);
        Shape *bottom = bottomDot(j - 1);
        const bool lit = cell(j - 1)->Caption() >= 0 && m_showSeparators;
        if (!lit) {
            top->setFillColor(m_backColor);
            bottom->setFillColor(m_backColor);
        } else if (m_dividers[j] >= 1.0f) {
            top->setFillColor(m_separatorColor);
            bottom->setFillColor(m_separatorColor);
        } else {
            top->setFillColor(m_backColor);
            bottom->setFillColor(m_separatorColor);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Layout

void TimeLED::ArrangeCells()
{
    const int n = cellCount();
    const double dotWidth = topDot(0)->Width();
    const double inset = DotInset * m_size;
    qint16 x = m_paddingH;
    for (int i = 0; i < n; ++i) {
        NumberLED *c = cell(i);
        c->setLeft(x);
        c->setTop(m_paddingV);
        c->setVisibleFlag(true);
        const double w = c->Width();
        if (i < n - 1) {
            const double h = c->Height();
            const double t = c->Top();
            Shape *top = topDot(i);
            Shape *bottom = bottomDot(i);
            top->setLeft(w + x + m_paddingD);
            bottom->setLeft(w + x + m_paddingD);
            top->setTop(t + inset);
            bottom->setTop(h + t - bottom->Height() - inset);
        }
        x = tallyard::toInt16(w + x + twice(m_paddingD) + dotWidth);
    }
    setWidth(x - twice(m_paddingD) - dotWidth + m_paddingH);
    setHeight(cell(0)->Height() + 2.0 * m_paddingV);
}

void TimeLED::paintEvent(QPaintEvent *event)
{
    // Everything else on the display belongs to the cells and dots.
    QPainter painter(this);
    painter.fillRect(event->rect(), tallyard::fromOleColor(m_backColor));
}

// ---------------------------------------------------------------------------------------
// Persistence

void TimeLED::InitProperties()
{
    setBackColor(DefaultBackColor);
    setLitColor(DefaultLitColor);
    m_separatorColor = DefaultSeparatorColor;
    setDigitRatio(DefaultDigitRatio);
    setLEDType(DefaultLEDType);
    m_paddingH = DefaultPadding;
    m_paddingV = DefaultPadding;
    setPaddingI(DefaultPadding);
    m_paddingD = DefaultPadding;
    m_showSeparators = DefaultShowSeparators;
    m_size = DefaultSize;
    setGroupLengths(QString::fromLatin1(DefaultGroupLengths));
    setGroupDividers(QString::fromLatin1(DefaultGroupDividers));
    setSize(DefaultSize);
    setCaption(DefaultCaption);
}

void TimeLED::ReadProperties(const tallyard::PropertyBag &bag)
{
    using namespace tallyard;
    // A stored value that fails (an empty divider text, a group of five digits) is dropped
    // with a warning and loading goes on: one bad entry must not keep the display, and the
    // form holding it, from loading.
    const auto read
        = [&bag](const char *key, const QVariant &defaultValue, const std::function<void(const QVariant &)> &apply) {
              readEntry(bag, "TimeLED", key, defaultValue, apply);
          };
    // Loading starts from a display as a form holds it before its values: cell 0 alone and
    // nothing to divide by, whatever the constructor's defaults put there.
    setGroupLengths(QString());
    m_dividers.clear();
    read("PBackColor", DefaultBackColor, [&](const QVariant &v) { setBackColor(variantToInt32(v)); });
    read("PLitColor", DefaultLitColor, [&](const QVariant &v) { setLitColor(variantToInt32(v)); });
    read("PDotColor", DefaultSeparatorColor, [&](const QVariant &v) { m_separatorColor = variantToInt32(v); });
    read("PDigitRatio", static_cast<qint32>(DefaultDigitRatio),
         [&](const QVariant &v) { setDigitRatio(static_cast<DigitRatioEnum>(variantToInt32(v))); });
    read("PLEDType", static_cast<qint32>(DefaultLEDType),
         [&](const QVariant &v) { setLEDType(static_cast<quellin::LEDType>(variantToInt32(v))); });
    read("PPaddingH", DefaultPadding, [&](const QVariant &v) { m_paddingH = variantToInt16(v); });
    read("PPaddingV", DefaultPadding, [&](const QVariant &v) { m_paddingV = variantToInt16(v); });
    read("PPaddingI", DefaultPadding, [&](const QVariant &v) { setPaddingI(variantToInt16(v)); });
    read("PPaddingD", DefaultPadding, [&](const QVariant &v) { m_paddingD = variantToInt16(v); });
    read("PShowSeparators", DefaultShowSeparators, [&](const QVariant &v) { m_showSeparators = variantToBool(v); });
    read("PSize", DefaultSize, [&](const QVariant &v) { m_size = variantToInt16(v); });
    read("PGroupLengths", QString::fromLatin1(DefaultGroupLengths),
         [&](const QVariant &v) { setGroupLengths(variantToString(v)); });
    read("PGroupDividers", QString::fromLatin1(DefaultGroupDividers),
         [&](const QVariant &v) { setGroupDividers(variantToString(v)); });
    // Sizes every cell and dot and lays the row out; the caption then fills the groups.
    try {
        setSize(m_size);
    } catch (const RuntimeError &error) {
        qWarning("TimeLED: property PSize dropped: %s", error.what());
    }
    read("PCaption", DefaultCaption, [&](const QVariant &v) { setCaption(variantToSingle(v)); });
}

void TimeLED::WriteProperties(tallyard::PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("PPaddingH"), m_paddingH, DefaultPadding);
    bag.WriteProperty(QStringLiteral("PPaddingV"), m_paddingV, DefaultPadding);
    bag.WriteProperty(QStringLiteral("PPaddingI"), m_paddingI, DefaultPadding);
    bag.WriteProperty(QStringLiteral("PPaddingD"), m_paddingD, DefaultPadding);
    bag.WriteProperty(QStringLiteral("PDigitRatio"), static_cast<qint32>(m_digitRatio),
                      static_cast<qint32>(DefaultDigitRatio));
    bag.WriteProperty(QStringLiteral("PShowSeparators"), m_showSeparators, DefaultShowSeparators);
    bag.WriteProperty(QStringLiteral("PLEDType"), static_cast<qint32>(m_ledType), static_cast<qint32>(DefaultLEDType));
    bag.WriteProperty(QStringLiteral("PSize"), m_size, DefaultSize);
    bag.WriteProperty(QStringLiteral("PLitColor"), m_litColor, DefaultLitColor);
    bag.WriteProperty(QStringLiteral("PBackColor"), m_backColor, DefaultBackColor);
    bag.WriteProperty(QStringLiteral("PDotColor"), m_separatorColor, DefaultSeparatorColor);
    bag.WriteProperty(QStringLiteral("PCaption"), m_caption, DefaultCaption);
    bag.WriteProperty(QStringLiteral("PGroupLengths"), m_groupLengths, QString::fromLatin1(DefaultGroupLengths));
    bag.WriteProperty(QStringLiteral("PGroupDividers"), m_groupDividers, QString::fromLatin1(DefaultGroupDividers));
}

} // namespace quellin
