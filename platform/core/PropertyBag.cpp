// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/core/PropertyBag.h"

#include "platform/core/Properties.h"

#include <charconv>
#include <cmath>

namespace tallyard {

namespace {

bool sameValue(const QVariant &a, const QVariant &b)
{
    const bool aText = a.metaType().id() == QMetaType::QString;
    const bool bText = b.metaType().id() == QMetaType::QString;
    if (aText || bText)
        return variantToString(a) == variantToString(b);
    try {
        return variantToDouble(a) == variantToDouble(b);
    } catch (const RuntimeError &) {
        return false;
    }
}

bool readsBackAs(const QString &text, double number)
{
    double back = 0;
    try {
        return parseNumber(text, back) && back == number;
    } catch (const RuntimeError &) {
        return false; // the largest doubles round up past the range at 15 digits
    }
}

QString valueText(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QString: {
        QString text = value.toString();
        text.replace(u'"', QStringLiteral("\"\""));
        return u'"' + text + u'"';
    }
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default: {
        // The plain 15-digit text, unless that would read back as another number; then all
        // the digits it takes, so that a saved bag loads with the values it had.
        const double number = variantToDouble(value);
        const QString text = numberToText(number);
        if (!std::isfinite(number) || readsBackAs(text, number))
            return text;
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        return QString::fromLatin1(digits, end - digits);
    }
    }
}

QVariant parseValue(QStringView text, bool &ok)
{
    ok = true;
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') {
        QString inner = text.mid(1, text.size() - 2).toString();
        inner.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        return inner;
    }
    if (text.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    // Colours in a design read best in hex: 0x404040.
    if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        const uint value = text.mid(2).toUInt(&ok, 16);
        return ok ? QVariant(static_cast<qint32>(value)) : QVariant();
    }
    double number = 0.0;
    try {
        ok = parseNumber(text, number);
    } catch (const RuntimeError &) {
        ok = false;
    }
    if (!ok)
        return {};
    if (number == std::floor(number) && std::fabs(number) <= 2147483647.0)
        return static_cast<int>(number);
    return number;
}

} // namespace

qsizetype PropertyBag::find(const QString &name) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    const qsizetype i = find(name);
    return i < 0 ? defaultValue : m_entries[i].second;
}

void PropertyBag::WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    const qsizetype i = find(name);
    if (defaultValue.isValid() && sameValue(value, defaultValue)) {
        if (i >= 0)
            m_entries.removeAt(i);
        return;
    }
    if (i >= 0)
        m_entries[i].second = value;
    else
        m_entries.append({name, value});
}

bool PropertyBag::contains(const QString &name) const
{
    return find(name) >= 0;
}

QStringList PropertyBag::keys() const
{
    QStringList names;
    for (const auto &entry : m_entries)
        names << entry.first;
    return names;
}

QString PropertyBag::toText() const
{
    QString text;
    for (const auto &entry : m_entries)
        text += entry.first + QStringLiteral(" = ") + valueText(entry.second) + u'\n';
    return text;
}

PropertyBag PropertyBag::fromText(QStringView text)
{
    PropertyBag bag;
    for (QStringView line : text.split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toString();
        bool ok = false;
        const QVariant value = parseValue(line.mid(eq + 1).trimmed(), ok);
        if (ok && !key.isEmpty())
            bag.WriteProperty(key, value);
    }
    return bag;
}

void readEntry(const PropertyBag &bag, const char *owner, const char *key, const QVariant &defaultValue,
               const std::function<void(const QVariant &)> &apply)
{
    try {
        apply(bag.ReadProperty(QLatin1StringView(key), defaultValue));
    } catch (const RuntimeError &error) {
        qWarning("%s: property %s dropped: %s", owner, key, error.what());
    }
}

} // namespace tallyard
