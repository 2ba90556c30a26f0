// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A control array: elements of one kind under one name, told apart by Index, grown and
// shrunk at run time. A new element starts as a copy of element 0 (every property but
// Visible, which starts False). The array raises each element's events with the element's
// index first, as a form's handler for the array receives them.

#include "tallyard_forms_export.h"
#include "platform/forms/Control.h"

#include <QMap>
#include <QPointer>

namespace tallyard {

class TALLYARD_FORMS_EXPORT ControlArray : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint16 Count READ Count)

public:
    // element0 becomes element 0 (its Index is set); factory makes new elements.
    ControlArray(const QString &name, Control *element0, std::function<Control *(QWidget *)> factory,
                 QObject *parent = nullptr);

    QString name() const { return objectName(); }
    qint16 Count() const { return static_cast<qint16>(m_elements.size()); }
    qint16 UBound() const;
    bool exists(int index) const { return m_elements.contains(index); }
    // Throws SubscriptOutOfRange for an index that is not loaded.
    Control *item(int index) const;
    Control *operator[](int index) const { return item(index); }
    // Elements in index order.
    QList<Control *> elements() const;

    // Creates element index as a copy of element 0, hidden; throws InvalidArgument when it
    // already exists or the index is negative.
    Control *Load(int index);
    // Removes element index; element 0 cannot be removed (InvalidArgument), a missing one
    // gives SubscriptOutOfRange.
    void Unload(int index);

signals:
    void Click(qint16 Index);
    void DblClick(qint16 Index);
    void KeyDown(qint16 Index, qint16 &KeyCode, qint16 &Shift);
    void KeyPress(qint16 Index, qint16 KeyAscii);
    void KeyUp(qint16 Index, qint16 KeyCode, qint16 &Shift);
    void MouseDown(qint16 Index, qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseMove(qint16 Index, qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseUp(qint16 Index, qint16 &Button, qint16 &Shift, float &X, float &Y);
    void GotFocus(qint16 Index);
    void LostFocus(qint16 Index);

private:
    void adopt(Control *element, int index);

    QMap<int, QPointer<Control>> m_elements;
    std::function<Control *(QWidget *)> m_factory;
};

} // namespace tallyard
