// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A control as Designer holds it. It is the control's own class to everyone looking (no
// Q_OBJECT here, so Designer, uic and the .ui file see quellin::TimeLED and not a
// stand-in); what it adds sits in qt_metacall, the one door every property read and write
// from Designer's property editor, its form loader and QUiLoader passes through.

#include "platform/forms/Control.h"

#include <QMetaProperty>

#include <exception>

namespace quellin::designer {

template <typename T>
class DesignTimeControl final : public T {
public:
    using T::T;

    int qt_metacall(QMetaObject::Call call, int id, void **argv) override
    {
        const bool property = call == QMetaObject::ReadProperty || call == QMetaObject::WriteProperty
            || call == QMetaObject::ResetProperty;
        if (!property)
            return T::qt_metacall(call, id, argv);
        const int index = id;
        followGeometry();
        try {
            id = T::qt_metacall(call, id, argv);
        } catch (const std::exception &error) {
            // A host turns these into run-time errors at its event boundary; Designer has no
            // such boundary, and an exception loose in Qt's code ends the process. An empty
            // GroupDividers, typed by clearing the field, must not take the form with it.
            const char *name = this->metaObject()->property(index).name();
            qWarning("%s: %s rejected: %s", T::staticMetaObject.className(), name ? name : "?", error.what());
            id = -1;
        } catch (...) {
            qWarning("%s: a property was rejected", T::staticMetaObject.className());
            id = -1;
        }
        followGeometry();
        if (call == QMetaObject::WriteProperty && index == this->metaObject()->indexOfProperty("Visible"))
            keepShownInFormEditor();
        return id;
    }

private:
    // Designer moves and resizes with QWidget::setGeometry, which leaves the control's twip
    // geometry behind; the next property that makes the control size itself (GroupLengths,
    // DigitRatio, Size) would put it back at the form's corner. The twips follow the pixels
    // whenever the two no longer agree, and only then, so the control's own fractional twips
    // stay.
    void followGeometry()
    {
        const QRect actual = this->geometry();
        if (tallyard::Control::twipsToPixels(this->Left(), this->Top(), this->Width(), this->Height()) == actual)
            return;
        constexpr double t = tallyard::TwipsPerPixel;
        this->storeGeometry(actual.x() * t, actual.y() * t, actual.width() * t, actual.height() * t);
    }

    // Visible = False is for run time (the board keeps its TimeKeepers hidden). On the form
    // being edited the flag is kept, and saved, but the control stays on show, so it can be
    // seen and picked. A preview and a form loaded by QUiLoader have no form window: there
    // the control hides as it would in a host.
    void keepShownInFormEditor()
    {
        if (!this->Visible() && inFormWindow())
            this->QWidget::setVisible(true);
    }

    // QDesignerFormWindowInterface::findFormWindow, by class name: the form window is the
    // nearest such ancestor below the first window. Asking by name spares the plugin a link
    // to libQt6Designer.
    bool inFormWindow() const
    {
        for (const QWidget *w = this; w; w = w->parentWidget()) {
            if (w->inherits("QDesignerFormWindowInterface"))
                return true;
            if (w->isWindow())
                return false;
        }
        return false;
    }
};

} // namespace quellin::designer
