// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The design-time property values of one control on a form, as the control saves and
// loads them. A value equal to its default is never stored, so a bag holds only what a
// designer changed. The text form is what a form's design table holds.

#include "tallyard_core_export.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <functional>

namespace tallyard {

class TALLYARD_CORE_EXPORT PropertyBag {
public:
    PropertyBag() = default;

    // The stored value, or defaultValue when the key is absent. Keys are case-insensitive.
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue = {}) const;
    // Stores value under name, unless it equals defaultValue (then any stored entry goes).
    void WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue = {});

    bool contains(const QString &name) const;
    QStringList keys() const;
    bool isEmpty() const { return m_entries.isEmpty(); }

    // One "Key = value" line per entry: strings in double quotes (a quote doubled),
    // True/False, numbers in plain decimal. fromText skips lines it cannot read.
    QString toText() const;
    static PropertyBag fromText(QStringView text);

    friend bool operator==(const PropertyBag &, const PropertyBag &) = default;

private:
    qsizetype find(const QString &name) const;
    QList<QPair<QString, QVariant>> m_entries;
};

// Reads one entry through apply. An entry that cannot be converted, or that apply refuses
// with a runtime error, is dropped with a warning naming owner and key, and the property
// keeps its value: one bad stored value never stops a form from loading.
TALLYARD_CORE_EXPORT void readEntry(const PropertyBag &bag, const char *owner, const char *key,
                                    const QVariant &defaultValue, const std::function<void(const QVariant &)> &apply);

} // namespace tallyard
