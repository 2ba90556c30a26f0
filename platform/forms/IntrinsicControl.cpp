// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/IntrinsicControl.h"

#include "platform/core/Properties.h"
#include "platform/core/PropertyBag.h"
#include "platform/core/Values.h"

namespace tallyard {

void IntrinsicControl::ReadProperties(const PropertyBag &bag)
{
    QStringList deferred;
    for (const QString &key : bag.keys()) {
        const QVariant value = bag.ReadProperty(key);
        if (key.compare(u"Name", Qt::CaseInsensitive) == 0)
            setName(variantToString(value));
        else if (key.compare(u"Index", Qt::CaseInsensitive) == 0)
            setIndex(variantToInt16(value));
        else if (key.compare(u"Picture", Qt::CaseInsensitive) == 0)
            deferred << key;
        else
            setPropertyByName(this, key, value);
    }
    for (const QString &key : deferred)
        setPropertyByName(this, key, bag.ReadProperty(key));
}

Qt::Alignment horizontalAlignment(qint16 alignment)
{
    switch (alignment) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

void checkPropertyRange(int value, int low, int high)
{
    if (value < low || value > high)
        throw InvalidArgument();
}

} // namespace tallyard
