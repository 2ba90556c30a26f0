// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/ControlArray.h"

#include "platform/core/Values.h"

namespace tallyard {

ControlArray::ControlArray(const QString &name, Control *element0, std::function<Control *(QWidget *)> factory,
                           QObject *parent)
    : QObject(parent), m_factory(std::move(factory))
{
    setObjectName(name);
    adopt(element0, 0);
}

qint16 ControlArray::UBound() const
{
    return m_elements.isEmpty() ? -1 : static_cast<qint16>(m_elements.lastKey());
}

Control *ControlArray::item(int index) const
{
    const auto it = m_elements.constFind(index);
    if (it == m_elements.constEnd() || !*it)
        throw SubscriptOutOfRange();
    return *it;
}

QList<Control *> ControlArray::elements() const
{
    QList<Control *> list;
    for (const auto &element : m_elements)
        if (element)
            list << element;
    return list;
}

void ControlArray::adopt(Control *element, int index)
{
    element->setName(objectName());
    element->setIndex(static_cast<qint16>(index));
    m_elements.insert(index, element);
    const qint16 i = static_cast<qint16>(index);
    connect(element, &Control::Click, this, [this, i] { emit Click(i); });
    connect(element, &Control::DblClick, this, [this, i] { emit DblClick(i); });
    connect(element, &Control::KeyDown, this, [this, i](qint16 &code, qint16 &shift) { emit KeyDown(i, code, shift); });
    connect(element, &Control::KeyPress, this, [this, i](qint16 ascii) { emit KeyPress(i, ascii); });
    connect(element, &Control::KeyUp, this, [this, i](qint16 code, qint16 &shift) { emit KeyUp(i, code, shift); });
    connect(element, &Control::MouseDown, this,
            [this, i](qint16 &b, qint16 &s, float &x, float &y) { emit MouseDown(i, b, s, x, y); });
    connect(element, &Control::MouseMove, this,
            [this, i](qint16 &b, qint16 &s, float &x, float &y) { emit MouseMove(i, b, s, x, y); });
    connect(element, &Control::MouseUp, this,
            [this, i](qint16 &b, qint16 &s, float &x, float &y) { emit MouseUp(i, b, s, x, y); });
    connect(element, &Control::GotFocus, this, [this, i] { emit GotFocus(i); });
    connect(element, &Control::LostFocus, this, [this, i] { emit LostFocus(i); });
}

Control *ControlArray::Load(int index)
{
    if (index < 0 || m_elements.contains(index))
        throw InvalidArgument();
    Control *first = item(0);
    Control *element = m_factory(first->parentWidget());
    element->copyPropertiesFrom(*first);
    element->setVisibleFlag(false);
    adopt(element, index);
    return element;
}

void ControlArray::Unload(int index)
{
    if (index == 0)
        throw InvalidArgument();
    Control *element = item(index);
    m_elements.remove(index);
    element->hide();
    element->deleteLater();
    element->setParent(nullptr);
}

} // namespace tallyard
