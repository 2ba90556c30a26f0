#include "scoreboard/modules/modShowDigits.h"

#include "platform/core/Properties.h"

#include <cmath>

namespace tallyard::modShowDigits {

namespace {

QString NumberDigits;
QString NumberDigitsOwner;

bool isDigit(QChar c)
{
    return c.isDigit() && c.unicode() < 128;
}

} // namespace

void ShowDigits(QObject *control, const QString &entry, qint16 minimum, qint16 maximum)
{
    double current = variantToDouble(getProperty(control, u"Caption"));
    if (current == -1)
        current = 0;
    if (entry.isEmpty())
        return;
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
            return;
    } catch (const OverflowError &) {
        return; // digits too many for a double are outside any range
    }
    if (value >= minimum && value <= maximum)
        setProperty(control, u"Caption", QString::number(static_cast<int>(value)));
}

void NumberEntryKey(QObject *control, qint16 ch, qint16 minimum, qint16 maximum)
{
    const QString name = variantToString(getProperty(control, u"Name"));
    if (name != NumberDigitsOwner) {
        NumberDigits.clear();
        NumberDigitsOwner = name;
    }
    if (ch >= u'0' && ch <= u'9')
        NumberDigits += QChar(ch);
    if (ch == u'+' || ch == u'-')
        NumberDigits += QChar(ch);
    if (ch == 32)
        NumberDigits.clear();
    if (ch == 0)
        ShowDigits(control, QString(QChar(0)), minimum, maximum);
    if (NumberDigits.size() >= 2 && (NumberDigits[0] == u'+' || NumberDigits[0] == u'-') && isDigit(NumberDigits[1])) {
        ShowDigits(control, NumberDigits, minimum, maximum);
        NumberDigits.clear();
    }
    if (ch == 13) {
        ShowDigits(control, NumberDigits, minimum, maximum);
        NumberDigits.clear();
    }
}

QString numberDigits()
{
    return NumberDigits;
}

void resetState()
{
    NumberDigits.clear();
    NumberDigitsOwner.clear();
}

} // namespace tallyard::modShowDigits
