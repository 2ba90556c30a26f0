// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/modules/modCount.h"

#include "platform/core/Properties.h"

namespace tallyard::modCount {

namespace {

TypedEntry Time;
TypedEntry Score;

} // namespace

void TypedEntry::claim(const QObject *control)
{
    const QString name = variantToString(getPropertyByName(control, u"Name"));
    if (name != owner) {
        digits.clear();
        owner = name;
    }
}

Currency TypedTimeToSeconds(const QString &text)
{
    if (text.size() > 8)
        return NoValue;
    for (QChar c : text)
        if (!isAsciiDigit(c.unicode()) && c != u'.')
            return NoValue;
    const QStringList pieces = text.split(u'.');
    if (pieces.size() > 2)
        return NoValue;
    const double minutes = numericValue(pieces[0]);
    double seconds = 0;
    double tenths = 0;
    if (pieces.size() == 2) {
        const QString &second = pieces[1];
        if (second.size() <= 2) {
            seconds = numericValue(second);
        } else {
            seconds = numericValue(second.left(2));
            tenths = numericValue(second.mid(2, 1));
        }
    }
    if (tenths > 9 || seconds > 99 || minutes > 99)
        return NoValue;
    return Currency::fromInt(static_cast<int64_t>(minutes) * 60 + static_cast<int64_t>(seconds))
        + Currency::fromRaw(static_cast<int64_t>(tenths) * (Currency::Scale / 10));
}

Currency TimeEntryKey(const QObject *control, qint16 ch, int32_t limit)
{
    Time.claim(control);
    QString &TimeDigits = Time.digits;
    if (isDigitChar(ch))
        TimeDigits += QChar(ch);
    if (ch == PointChar)
        TimeDigits += u'.';
    if (ch == SpaceChar)
        TimeDigits.clear();
    if (ch == EnterChar) {
        const Currency v = TypedTimeToSeconds(TimeDigits);
        TimeDigits.clear();
        if (v > Currency::fromInt(limit) || v == NoValue)
            return NoValue;
        return v;
    }
    return NoValue;
}

Currency ScoreEntryKey(const QObject *control, qint16 ch, Currency maximum)
{
    Score.claim(control);
    QString &ScoreDigits = Score.digits;
    if (isDigitChar(ch))
        ScoreDigits += QChar(ch);
    if (ch == PointChar)
        ScoreDigits += u'.';
    if (ch == SpaceChar)
        ScoreDigits.clear();
    if (ch == EnterChar) {
        // The number at the start: digits with at most one point.
        qsizetype end = 0;
        bool point = false;
        for (; end < ScoreDigits.size(); ++end) {
            const QChar c = ScoreDigits[end];
            if (c == u'.' && !point)
                point = true;
            else if (!isAsciiDigit(c.unicode()))
                break;
        }
        const QString number = ScoreDigits.left(end);
        ScoreDigits.clear();
        try {
            const double typed = numericValue(number);
            const Currency value = Currency::fromDouble(numericValue(formatNumber(typed, u"0.000")));
            if (value <= maximum)
                return value;
        } catch (const OverflowError &) {
            // A digit string too long for the currency type, or for a double, is simply above
            // the maximum.
        }
    }
    return NoValue;
}

QString timeDigits()
{
    return Time.digits;
}

QString scoreDigits()
{
    return Score.digits;
}

void resetState()
{
    Time.clear();
    Score.clear();
}

} // namespace tallyard::modCount
