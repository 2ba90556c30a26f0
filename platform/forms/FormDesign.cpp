// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/FormDesign.h"

#include "platform/forms/ControlRegistry.h"
#include "platform/core/Properties.h"

#include <QCoreApplication>
#include <QTranslator>

#include <algorithm>

namespace tallyard {

namespace {

// A property whose value a reader sees as words: numbers and marks ("0", "#") stay as they are.
bool isDesignText(const QString &property, const QVariant &value)
{
    if (property != u"Caption" && property != u"Text" && property != u"ToolTipText")
        return false;
    if (value.metaType().id() != QMetaType::QString)
        return false;
    const QString text = value.toString();
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

QVariant translated(const DesignLanguage &language, const QVariant &text)
{
    const QByteArray source = text.toString().toUtf8();
    if (!language.translator)
        return QCoreApplication::translate(language.context, source.constData());
    const QString translation = language.translator->translate(language.context, source.constData());
    return translation.isEmpty() ? text : QVariant(translation);
}

} // namespace

QStringList designTexts(std::span<const ElementDesign> design)
{
    QStringList texts;
    for (const ElementDesign &e : design) {
        if (!e.properties)
            continue;
        const PropertyBag properties = PropertyBag::fromText(QString::fromUtf8(e.properties));
        for (const QString &key : properties.keys()) {
            const QVariant value = properties.ReadProperty(key);
            if (isDesignText(key, value) && !texts.contains(value.toString()))
                texts << value.toString();
        }
    }
    return texts;
}

void loadDesign(Form *form, std::span<const ElementDesign> design, const DesignLanguage &language)
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
                QVariant value = properties.ReadProperty(key);
                if (language.context && isDesignText(key, value))
                    value = translated(language, value);
                try {
                    setPropertyByName(control, key, value);
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
