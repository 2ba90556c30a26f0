// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/modules/modColor.h"

#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/core/Properties.h"
#include "scoreboard/settings/Settings.h"

namespace tallyard::modColor {

namespace {

void colourOne(QObject *control, int32_t litColor)
{
    setPropertyByName(control, u"BackColor", ColorLEDBack);
    setPropertyByName(control, u"LitColor", litColor);
}

} // namespace

void SetLEDColors(QObject *target, int32_t litColor)
{
    bool collection = false;
    try {
        getPropertyByName(target, u"Count");
        collection = true;
    } catch (const MemberNotFound &) {
        collection = false;
    }
    if (!collection) {
        colourOne(target, litColor);
        return;
    }
    if (auto *array = qobject_cast<ControlArray *>(target))
        for (Control *member : array->elements())
            colourOne(member, litColor);
}

void ColorControls(Form *form, const QList<QObject *> &skip)
{
    QString names = QStringLiteral("|");
    for (const QObject *c : skip)
        names += u'|' + variantToString(getPropertyByName(c, u"Name")) + u'|';
    names += u'|';
    for (Control *control : form->Controls()) {
        if (names.contains(u'|' + control->Name() + u'|'))
            continue;
        const QString type = typeName(control);
        if (type == u"Label")
            setPropertyByName(control, u"ForeColor", ColorBorder);
        else if (type == u"PictureBox")
            setPropertyByName(control, u"BackColor", ColorLEDBack);
        else if (type == u"Shape")
            setPropertyByName(control, u"BorderColor", ColorLEDBack);
    }
}

void SetLEDType(Form *form, int16_t value)
{
    for (Control *control : form->Controls()) {
        const QString type = typeName(control);
        if (type == u"TimeLED" || type == u"NumberLED" || type == u"Ortagon")
            setPropertyByName(control, u"LedType", static_cast<int32_t>(value));
    }
}

} // namespace tallyard::modColor
