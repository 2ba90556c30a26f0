// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Number reading and formatting on any text. The input is a value text, then (after the first
// line break) a pattern text. Reading a number beyond double's range is an OverflowError, as
// are Currency conversions and sums out of range; anything else going wrong is a finding.

#include "fuzz/FuzzSupport.h"
#include "platform/core/Values.h"

#include <algorithm>
#include <cmath>

using namespace tallyard;
using tallyard::fuzz::check;

namespace {

// The most decimals a "#0.000" kind of pattern shows.
int maxDecimals(QStringView pattern)
{
    const qsizetype point = pattern.indexOf(u'.');
    if (point < 0)
        return 0;
    const QStringView frac = pattern.mid(point + 1);
    return static_cast<int>(frac.count(u'0') + frac.count(u'#'));
}

// A text the formatter wrote: plain decimal, "." as the point, never a group separator.
void checkFormatted(const QString &text, double expected, double tolerance)
{
    check(!text.contains(u','), "formatted numbers have no comma");
    // A pattern without a "0" shows nothing for a value that rounds to zero ("#" and 0.2).
    double back = 0;
    check(text.isEmpty() || parseNumber(text, back), "a formatted number reads back");
    check(std::fabs(back - expected) <= tolerance, "a formatted number keeps its value within the shown decimals");
}

void numbers(double value, QStringView pattern)
{
    const int decimals = maxDecimals(pattern);
    // Half a unit of the last shown decimal, plus the 15 significant digits the formatter keeps.
    const double tolerance
        = (decimals > 320 ? 0.0 : 0.5 * std::pow(10.0, -decimals)) * 1.000001 + std::fabs(value) * 1e-14 + 1e-300;
    checkFormatted(formatNumber(value, pattern), value, tolerance);

    const QString plain = numberToText(value);
    double back = 0;
    check(parseNumber(plain, back), "the plain text of a number reads back");
    check(std::fabs(back - value) <= std::fabs(value) * 1e-14 + 1e-300, "the plain text keeps 15 digits");

    const double whole = roundHalfEven(value);
    check(whole == std::floor(whole) && std::fabs(whole - value) <= 0.5, "rounding gives the nearest whole number");
    try {
        const int16_t small = toInt16(value);
        check(std::fabs(small - value) <= 0.5, "toInt16 rounds to the nearest");
    } catch (const OverflowError &) {
        check(!(std::fabs(value) < 32767.0), "toInt16 only overflows outside its range");
    }
    try {
        const int32_t large = toInt32(value);
        check(std::fabs(large - value) <= 0.5, "toInt32 rounds to the nearest");
    } catch (const OverflowError &) {
        check(!(std::fabs(value) < 2147483647.0), "toInt32 only overflows outside its range");
    }

    Currency money;
    try {
        money = Currency::fromDouble(value);
    } catch (const OverflowError &) {
        check(!(std::fabs(value) < 9.2e14), "Currency only overflows outside its range");
        return;
    }
    checkFormatted(formatNumber(money, pattern), money.toDouble(),
                   0.5 * std::pow(10.0, -std::min(decimals, 4)) * 1.000001 + std::fabs(money.toDouble()) * 1e-14);
    // Within double's exact integers the currency's own text reads back to the same amount.
    if (std::fabs(value) < 1e11) {
        check(Currency::fromDouble(numericValue(money.toString())) == money, "a currency's text reads back exactly");
    }
    try {
        const Currency twice = money + money;
        check(twice - money == money, "a sum less its part gives the other part");
        check(-(-money) == money, "negation twice is no change");
    } catch (const OverflowError &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = tallyard::fuzz::textOf(data, size);
    const qsizetype lineBreak = input.indexOf(u'\n');
    const QStringView valueText = lineBreak < 0 ? QStringView(input) : QStringView(input).left(lineBreak);
    const QStringView pattern = lineBreak < 0 ? QStringView() : QStringView(input).mid(lineBreak + 1);

    double lenient = 0;
    bool lenientRead = false;
    try {
        lenient = numericValue(valueText);
        lenientRead = true;
        check(std::isfinite(lenient), "numericValue gives a finite number");
    } catch (const OverflowError &) {
        // A number without an exponent and with few whole digits is nowhere near the limit.
        const qsizetype point = valueText.indexOf(u'.');
        const QStringView whole = point < 0 ? valueText : valueText.left(point);
        const bool exponent
            = valueText.contains(u'e', Qt::CaseInsensitive) || valueText.contains(u'd', Qt::CaseInsensitive);
        check(exponent || whole.size() > 300, "only a number beyond double's range overflows");
    }

    double strict = 0;
    try {
        if (parseNumber(valueText, strict)) {
            check(std::isfinite(strict), "parseNumber gives a finite number");
            // What reads strictly reads the same leniently.
            check(lenientRead && lenient == strict, "strict and lenient reading agree");
        }
    } catch (const OverflowError &) {
        check(!lenientRead, "strict reading overflows only where lenient reading does");
    }

    if (lenientRead)
        numbers(lenient, pattern);
    // The pattern text read as a number exercises a second value on the same pattern.
    try {
        const double second = numericValue(pattern);
        numbers(second, pattern);
        const float single = toSingle(second);
        double back = 0;
        check(parseNumber(singleToText(single), back), "the text of a single reads back");
    } catch (const OverflowError &) {
    }
    return 0;
}
