#pragma once
// Hosts create library controls by ProgID. A library registers a factory per ProgID;
// createControl builds the control and runs its persistence protocol: ReadProperties with
// the form's design-time bag, or InitProperties for a control placed new.

#include "platform/Control.h"
#include "platform/Values.h"

#include <functional>

namespace tallyard {

using ControlFactory = std::function<Control *(QWidget *parent)>;

void registerControl(const QString &progId, ControlFactory factory);
bool isRegistered(const QString &progId);
QStringList registeredProgIds();

// Throws InvalidArgument for a ProgID nobody registered. The control is owned by parent.
// prepare, when given, runs before the persistence step: the host's placement, as a
// container sets a control's extender properties before the control loads itself.
Control *createControl(const QString &progId, QWidget *parent, const PropertyBag *bag = nullptr,
                       const std::function<void(Control *)> &prepare = {});

} // namespace tallyard
