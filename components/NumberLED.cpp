// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "components/NumberLED.h"

#include "platform/core/Properties.h"

#include <string>

namespace tallyard {

namespace {

int digitsOf(int value)
{
    int count = 1;
    for (value = std::max(0, value); value >= 10; value /= 10)
        ++count;
    return count;
}

} // namespace

NumberLED::NumberLED(QWidget *parent) : LEDCell(parent, DefaultSize, DefaultDigitRatio)
{
    // The board tabs through its displays.
    setFocusable(true);
    resizeToContent();
}

QSizeF NumberLED::ownSize() const
{
    return cellSize(Size(), DigitRatio(), LedType(), m_paddingI, m_paddingH, m_paddingV, m_max);
}

// The cell's size in twips. A digit is 15 x size twips tall (size is the digit height in
// pixels) and as wide as its ratio makes it; the digits of max give the positions, with a
// narrow half digit in front when max starts with a 1 followed by more digits; PaddingI
// lies between full positions, PaddingH left and right, PaddingV above and below. The half
// digit stands close to the digit after it, without PaddingI, as the 1 of a 2 1/2-digit
// meter does (which also keeps the board's whole-points score, Max 19, as narrow as its
// design). The style does not change the footprint, so that switching between bars and
// lamps never moves anything.
QSizeF NumberLED::cellSize(qint16 size, qint32 digitRatio, qint32 ledType, qint16 paddingI, qint16 paddingH,
                           qint16 paddingV, qint16 max)
{
    Q_UNUSED(ledType);
    const double height = TwipsPerPixel * std::max<qint16>(size, 0);
    const double width = height * led::widthPerHeight(digitRatio);
    const int positions = digitsOf(max);
    double row = positions * width + (positions - 1) * paddingI;
    if (hasHalfDigit(max))
        row -= width + paddingI - sevenseg::halfDigitWidth(width, height);
    return QSizeF(2.0 * paddingH + row, 2.0 * paddingV + height);
}

int NumberLED::digitCount() const
{
    return digitsOf(m_max);
}

bool NumberLED::hasHalfDigit(qint16 max)
{
    const int positions = digitsOf(max);
    int leading = std::max<int>(max, 0);
    for (int i = 1; i < positions; ++i)
        leading /= 10;
    return positions > 1 && leading == 1;
}

// What each position shows:
// - -1: nothing lit.
// - 0 to Max: the digits, right-aligned; with ZeroFill, or in a fractional group (WholeNumber
//   0), padded with leading zeros to every position, since each digit after a decimal point
//   counts (a hundredths group shows 5 as 05). DecimalPlaces is not used for this: worked
//   out from a single-precision divider it comes one short for tenths and thousandths.
//   A half digit shows only a 1; a leading zero there stays dark.
// - Above Max: a middle bar in every full position, the overload sign of LED meters.
// - Any other negative value: a minus directly before the digits (before the zeros with
//   ZeroFill) when sign and digits fit into the full positions; otherwise the overload sign.
std::vector<uint8_t> NumberLED::segmentsShown(qint16 caption, qint16 max, bool zeroFill, qint32 wholeNumber)
{
    const int positions = digitsOf(max);
    const int first = hasHalfDigit(max) ? 1 : 0; // the first full position
    std::vector<uint8_t> shown(static_cast<size_t>(positions), 0);
    if (caption == -1)
        return shown;
    const auto overload = [&] {
        for (int i = first; i < positions; ++i)
            shown[static_cast<size_t>(i)] = sevenseg::MinusMask;
        return shown;
    };
    if (caption > max)
        return overload();
    const bool pad = zeroFill || wholeNumber == 0;
    std::string text;
    if (caption >= 0) {
        text = std::to_string(caption);
        if (pad && static_cast<int>(text.size()) < positions)
            text.insert(0, static_cast<size_t>(positions) - text.size(), '0');
    } else {
        std::string digits = std::to_string(-static_cast<int>(caption));
        const int room = positions - first - 1; // positions left after the sign
        if (static_cast<int>(digits.size()) > room)
            return overload();
        if (pad && static_cast<int>(digits.size()) < room)
            digits.insert(0, static_cast<size_t>(room) - digits.size(), '0');
        text = '-' + digits;
    }
    const int start = positions - static_cast<int>(text.size());
    for (int k = 0; k < static_cast<int>(text.size()); ++k) {
        const int position = start + k;
        const char c = text[static_cast<size_t>(k)];
        uint8_t mask = c == '-' ? sevenseg::MinusMask : sevenseg::digitMask(c - '0');
        if (position < first)
            mask = c == '1' ? sevenseg::HalfDigitSegments : 0;
        shown[static_cast<size_t>(position)] = mask;
    }
    return shown;
}

std::vector<uint8_t> NumberLED::segmentsShown() const
{
    return segmentsShown(m_caption, m_max, m_zeroFill, m_wholeNumber);
}

// The value, its padding and its kind pick which glyphs are shown; they change how no glyph
// looks, so the painter's glyph images stay.
void NumberLED::setCaption(qint16 value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    update();
}

// Paddings and sizes out of range are ignored, as the hosts expect of every LED control.
void NumberLED::setPaddingI(qint16 twips)
{
    if (twips < 0 || twips == m_paddingI)
        return;
    m_paddingI = twips;
    visualChange();
    resizeToContent();
}

void NumberLED::setPaddingH(qint16 twips)
{
    if (twips < 0 || twips == m_paddingH)
        return;
    m_paddingH = twips;
    visualChange();
    resizeToContent();
}

void NumberLED::setPaddingV(qint16 twips)
{
    if (twips < 0 || twips == m_paddingV)
        return;
    m_paddingV = twips;
    visualChange();
    resizeToContent();
}

void NumberLED::setMax(qint16 max)
{
    if (max < 0 || max == m_max)
        return;
    m_max = max;
    visualChange();
    resizeToContent();
}

void NumberLED::setZeroFill(bool zeroFill)
{
    if (zeroFill == m_zeroFill)
        return;
    m_zeroFill = zeroFill;
    update();
}

void NumberLED::setWholeNumber(qint32 wholeNumber)
{
    if (wholeNumber == m_wholeNumber)
        return;
    m_wholeNumber = wholeNumber;
    update();
}

// Kept for the host; what a fractional group shows does not depend on it (see above).
void NumberLED::setDecimalPlaces(qint16 places)
{
    m_decimalPlaces = places;
}

void NumberLED::InitProperties()
{
    setMax(DefaultMax);
    setSize(DefaultSize);
    setPaddingH(DefaultPadding);
    setPaddingV(DefaultPadding);
    setPaddingI(DefaultPadding);
    setZeroFill(DefaultZeroFill);
    setLitColor(DefaultLitColor);
    setBackColor(DefaultBackColor);
    setDigitRatio(DefaultDigitRatio);
    setLedType(DefaultLedType);
    setWholeNumber(DefaultWholeNumber);
    setDecimalPlaces(DefaultDecimalPlaces);
    setCaption(DefaultCaption);
}

void NumberLED::ReadProperties(const PropertyBag &bag)
{
    readEntry(bag, "NumberLED", "pmax", DefaultMax, [this](const QVariant &v) { setMax(variantToInt16(v)); });
    readEntry(bag, "NumberLED", "psize", DefaultSize, [this](const QVariant &v) { setSize(variantToInt16(v)); });
    readEntry(bag, "NumberLED", "ppaddingh", DefaultPadding,
              [this](const QVariant &v) { setPaddingH(variantToInt16(v)); });
    readEntry(bag, "NumberLED", "ppaddingv", DefaultPadding,
              [this](const QVariant &v) { setPaddingV(variantToInt16(v)); });
    readEntry(bag, "NumberLED", "ppaddingi", DefaultPadding,
              [this](const QVariant &v) { setPaddingI(variantToInt16(v)); });
    readEntry(bag, "NumberLED", "pzerofill", DefaultZeroFill,
              [this](const QVariant &v) { setZeroFill(variantToBool(v)); });
    readEntry(bag, "NumberLED", "plitcolor", DefaultLitColor,
              [this](const QVariant &v) { setLitColor(variantToInt32(v)); });
}

void NumberLED::WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("pmax"), m_max, DefaultMax);
    bag.WriteProperty(QStringLiteral("psize"), Size(), DefaultSize);
    bag.WriteProperty(QStringLiteral("ppaddingh"), m_paddingH, DefaultPadding);
    bag.WriteProperty(QStringLiteral("ppaddingv"), m_paddingV, DefaultPadding);
    bag.WriteProperty(QStringLiteral("ppaddingi"), m_paddingI, DefaultPadding);
    bag.WriteProperty(QStringLiteral("pzerofill"), m_zeroFill, DefaultZeroFill);
    bag.WriteProperty(QStringLiteral("plitcolor"), LitColor(), DefaultLitColor);
}

std::vector<NumberLED::DigitBox> NumberLED::digitBoxes() const
{
    const QSizeF digit = digitSize();
    const bool half = hasHalfDigit(m_max);
    const int positions = digitCount();
    std::vector<DigitBox> boxes;
    boxes.reserve(static_cast<size_t>(positions));
    double x = m_paddingH / TwipsPerPixel;
    const double y = m_paddingV / TwipsPerPixel;
    for (int i = 0; i < positions; ++i) {
        double step = digit.width();
        double gap = m_paddingI / TwipsPerPixel;
        const bool narrow = i == 0 && half;
        if (narrow) {
            // The right-hand bars of a full digit whose box ends where the half position ends.
            step = sevenseg::halfDigitWidth(digit.width(), digit.height());
            gap = 0.0;
        }
        boxes.push_back({QRectF(QPointF(x + step - digit.width(), y), digit), narrow});
        x += step + gap;
    }
    return boxes;
}

void NumberLED::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    const std::vector<uint8_t> shown = segmentsShown();
    const std::vector<DigitBox> boxes = digitBoxes();
    std::vector<sevenseg::Glyph> glyphs;
    glyphs.reserve(shown.size());
    for (size_t i = 0; i < shown.size() && i < boxes.size(); ++i) {
        sevenseg::Glyph glyph;
        glyph.lit = shown[i];
        glyph.origin = boxes[i].box.topLeft();
        if (boxes[i].half)
            glyph.present = sevenseg::HalfDigitSegments;
        glyphs.push_back(glyph);
    }
    paintGlyphs(glyphs);
}

} // namespace tallyard
