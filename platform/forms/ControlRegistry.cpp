// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/ControlRegistry.h"

#include <QHash>

namespace tallyard {

namespace {

// ProgIDs compare case-insensitively, as the registry that held them did.
QHash<QString, ControlFactory> &factories()
{
    static QHash<QString, ControlFactory> map;
    return map;
}

} // namespace

void registerControl(const QString &progId, ControlFactory factory)
{
    factories().insert(progId.toLower(), std::move(factory));
}

bool isRegistered(const QString &progId)
{
    return factories().contains(progId.toLower());
}

Control *createControl(const QString &progId, QWidget *parent, const PropertyBag *bag,
                       const std::function<void(Control *)> &prepare)
{
    const auto it = factories().constFind(progId.toLower());
    if (it == factories().constEnd())
        throw InvalidArgument();
    Control *control = (*it)(parent);
    try {
        if (prepare)
            prepare(control);
        if (bag)
            control->ReadProperties(*bag);
        else
            control->InitProperties();
    } catch (...) {
        delete control;
        throw;
    }
    return control;
}

} // namespace tallyard
