// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Hosts create library controls by ProgID. A library registers a factory per ProgID;
// createControl builds the control and runs its persistence protocol: ReadProperties with
// the form's design-time bag, or InitProperties for a control placed new.

#include "tallyard_forms_export.h"
#include "platform/forms/Control.h"
#include "platform/core/Values.h"

#include <QMetaClassInfo>

#include <functional>

namespace tallyard {

using ControlFactory = std::function<Control *(QWidget *parent)>;

TALLYARD_FORMS_EXPORT void registerControl(const QString &progId, ControlFactory factory);
// Registers the control class T under the ProgID its own declaration gives,
// Q_CLASSINFO("ProgID", "VB.Label").
template <typename T>
void registerControlClass()
{
    const QMetaObject &meta = T::staticMetaObject;
    const int index = meta.indexOfClassInfo("ProgID");
    // A class info inherited from a base class names the base, not T.
    if (index >= meta.classInfoOffset())
        registerControl(QString::fromLatin1(meta.classInfo(index).value()),
                        [](QWidget *parent) -> Control * { return new T(parent); });
}

TALLYARD_FORMS_EXPORT bool isRegistered(const QString &progId);

// Throws InvalidArgument for a ProgID nobody registered. The control is owned by parent.
// prepare, when given, runs before the persistence step: the host's placement, as a
// container sets a control's extender properties before the control loads itself.
TALLYARD_FORMS_EXPORT Control *createControl(const QString &progId, QWidget *parent, const PropertyBag *bag = nullptr,
                                             const std::function<void(Control *)> &prepare = {});

} // namespace tallyard
