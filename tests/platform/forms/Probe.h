// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A control with one property of each kind the forms use, dispatch ids of its own, and a
// persistence of its own: what the late binding and the control's events are tried on.

#include "platform/core/Properties.h"
#include "platform/core/PropertyBag.h"
#include "platform/core/Values.h"
#include "platform/forms/Control.h"

namespace tallyard::test {

class Probe : public Control {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Probe")
    Q_CLASSINFO("DispId Size", "0x6803000C")
    Q_CLASSINFO("DispId Caption", "0x68030006")
    Q_CLASSINFO("DispId Reset", "0x60030001")
    Q_PROPERTY(qint16 Size READ Size WRITE setSize)
    Q_PROPERTY(float Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(bool Flag READ Flag WRITE setFlag)

public:
    using Control::Control;
    qint16 Size() const { return m_size; }
    void setSize(qint16 size)
    {
        if (size == 13)
            throw InvalidArgument();
        m_size = size;
    }
    float Caption() const { return m_caption; }
    void setCaption(float caption) { m_caption = caption; }
    QString Text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    bool Flag() const { return m_flag; }
    void setFlag(bool flag) { m_flag = flag; }
    Q_INVOKABLE QVariant Reset()
    {
        m_size = 45;
        return QVariant();
    }

    void InitProperties() override { m_size = 45; }
    void ReadProperties(const PropertyBag &bag) override { m_size = variantToInt16(bag.ReadProperty("PSize", 45)); }
    void WriteProperties(PropertyBag &bag) const override { bag.WriteProperty("PSize", m_size, 45); }

    // Takes the keyboard focus, as the LED displays do.
    void makeFocusable() { setFocusable(true); }
    void makeComposite() { setComposite(true); }

private:
    qint16 m_size = 0;
    float m_caption = 0;
    QString m_text;
    bool m_flag = false;
};

} // namespace tallyard::test
