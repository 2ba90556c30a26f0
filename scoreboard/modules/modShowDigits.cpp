// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/modules/modShowDigits.h"

#include "platform/core/Properties.h"
#include "scoreboard/modules/modCount.h"

#include <cmath>

namespace tallyard::modShowDigits {

namespace {

modCount::TypedEntry Number;

bool isDigit(QChar c)
{
    return isAsciiDigit(c.unicode());
}

} // namespace

bool ShowDigits(QObject *control, const QString &entry, qint16 minimum, qint16 maximum)
{
    double current = variantToDouble(getPropertyByName(control, u"Caption"));
    if (current == -1)
        current = 0;
    if (entry.isEmpty())
        return false;
    const QChar first = entry[0];
    double value = 0;
    try {
        if (first.unicode() == 0)
            value = -1;
        else if (isDigit(first))
            value = std::trunc(numericValue(entry));
        else if (first == u'+')
            value = current + std::trunc(numericValue(QStringView(entry).mid(1)));
        else if (first == u'-')
            value = current - std::trunc(numericValue(QStringView(entry).mid(1)));
        else
            return false;
    } catch (const OverflowError &) {
        return false; // digits too many for a double are outside any range
    }
    if (value < minimum || value > maximum)
        return false;
    setPropertyByName(control, u"Caption", QString::number(static_cast<int>(value)));
    return true;
}

bool NumberEntryKey(QObject *control, qint16 ch, qint16 minimum, qint16 maximum)
{
    using namespace modCount;
    bool committed = false;
    Number.claim(control);
    QString &NumberDigits = Number.digits;
    if (isDigitChar(ch))
        NumberDigits += QChar(ch);
    if (ch == PlusChar || ch == MinusChar)
        NumberDigits += QChar(ch);
    if (ch == SpaceChar)
        NumberDigits.clear();
    if (ch == ClearChar)
        ShowDigits(control, QString(QChar(ClearChar)), minimum, maximum);
    if (NumberDigits.size() >= 2 && (NumberDigits[0] == u'+' || NumberDigits[0] == u'-') && isDigit(NumberDigits[1])) {
        committed = ShowDigits(control, NumberDigits, minimum, maximum);
        NumberDigits.clear();
    }
    if (ch == EnterChar) {
        committed = ShowDigits(control, NumberDigits, minimum, maximum);
        NumberDigits.clear();
    }
    return committed;
}

QString numberDigits()
{
    return Number.digits;
}

void resetState()
{
    Number.clear();
}

} // namespace tallyard::modShowDigits
