// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/FormDesign.h"

#include "platform/forms/ControlRegistry.h"
#include "platform/core/Properties.h"

namespace tallyard {

void loadDesign(Form *form, std::span<const ElementDesign> design)
{
    for (const ElementDesign &e : design) {
        QWidget *parent = form;
        if (e.container && *e.container) {
            Control *container = form->control(QString::fromUtf8(e.container));
            if (!container)
                throw InvalidArgument();
            parent = e.tab >= 0 ? container->page(e.tab) : container;
        }
        PropertyBag bag;
        if (e.bag)
            bag = PropertyBag::fromText(QString::fromUtf8(e.bag));
        Control *control = createControl(QString::fromUtf8(e.progId), parent, e.bag ? &bag : nullptr, [&](Control *c) {
            c->setName(QString::fromUtf8(e.name));
            c->Move(e.left, e.top, e.width, e.height);
        });
        if (e.tabIndex >= 0)
            control->setTabIndex(static_cast<qint16>(e.tabIndex));
        if (e.properties) {
            const PropertyBag properties = PropertyBag::fromText(QString::fromUtf8(e.properties));
            for (const QString &key : properties.keys()) {
                try {
                    setPropertyByName(control, key, properties.ReadProperty(key));
                } catch (const RuntimeError &error) {
                    qWarning("design of %s: property %s: %s", e.name, qPrintable(key), error.what());
                    throw;
                }
            }
        }
        form->addControl(control);
    }
    form->applyTabOrder();
}

} // namespace tallyard
