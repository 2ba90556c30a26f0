// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The base of every control on a form: twip geometry relative to its container, the
// container-supplied properties (Name, Index, Visible, Tag, TabIndex, ...), the persistence
// protocol, and the standard events raised from Qt's input events.

#include "tallyard_forms_export.h"
#include "platform/core/Guard.h"
#include "platform/core/PropertyBag.h"

#include <QWidget>

#include <functional>

namespace tallyard {

// 1/1440 inch; the forms are designed at 15 twips to a device-independent pixel.
inline constexpr double TwipsPerPixel = 15.0;

class TALLYARD_FORMS_EXPORT Control : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisibleFlag)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledFlag)
    Q_PROPERTY(QString Name READ Name)
    Q_PROPERTY(qint16 Index READ Index)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(qint16 TabIndex READ TabIndex WRITE setTabIndex)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)
    Q_PROPERTY(QObject *Container READ Container)
    Q_CLASSINFO("EventId Click", "1")
    Q_CLASSINFO("EventId DblClick", "2")
    Q_CLASSINFO("EventId KeyDown", "3")
    Q_CLASSINFO("EventId KeyPress", "4")
    Q_CLASSINFO("EventId KeyUp", "5")
    Q_CLASSINFO("EventId MouseDown", "6")
    Q_CLASSINFO("EventId MouseMove", "7")
    Q_CLASSINFO("EventId MouseUp", "8")

public:
    explicit Control(QWidget *parent = nullptr);
    ~Control() override;

    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // All four at once, with one geometry update.
    void Move(double left, double top, double width, double height);

    bool Visible() const { return m_visible; }
    void setVisibleFlag(bool visible);
    bool Enabled() const { return isEnabled(); }
    void setEnabledFlag(bool enabled) { setEnabled(enabled); }

    QString Name() const { return objectName(); }
    void setName(const QString &name) { setObjectName(name); }
    // Position in a control array; -1 for a control that is not an array element.
    qint16 Index() const { return m_index; }
    void setIndex(qint16 index) { m_index = index; }
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    qint16 TabIndex() const { return m_tabIndex; }
    void setTabIndex(qint16 index) { m_tabIndex = index; }
    bool TabStop() const { return m_tabStop; }
    void setTabStop(bool tabStop);
    // The control or form this control stands in.
    QObject *Container() const { return parentWidget(); }
    Control *parentControl() const;

    void SetFocus();
    // Whether this control takes the focus at all (labels, shapes and images never do).
    bool canTakeFocus() const { return m_focusable; }

    // A control built from constituent controls (a time display of LED cells) takes the
    // focus as one: focus moving among its constituents raises no GotFocus of its own.
    bool isComposite() const { return m_composite; }

    // Takes every writable property of other (a control of the same class) except
    // Visible, Name and Index: how a new control-array element starts.
    virtual void copyPropertiesFrom(const Control &other);

    // Where the controls placed on page index of this container go: the container itself,
    // unless it shows its controls page by page (a tab control). Throws SubscriptOutOfRange
    // for a page it does not have.
    virtual QWidget *page(int index);

    // Stops whatever the control does of its own accord (ticks, a sound playing) as its form
    // unloads or is destroyed, so that nothing reaches the form from then on. Does not
    // wait for anything, and never runs events.
    virtual void stopActivity() { }

    // Persistence: a new control placed on a form, loaded from a form, saved into a form.
    virtual void InitProperties() { }
    virtual void ReadProperties(const PropertyBag &bag) { Q_UNUSED(bag); }
    virtual void WriteProperties(PropertyBag &bag) const { Q_UNUSED(bag); }

    // The pixel rectangle the twip geometry maps to (edges rounded separately so that
    // neighbours that touch in twips touch in pixels).
    static QRect twipsToPixels(double left, double top, double width, double height);

signals:
    void Click();
    void DblClick();
    void KeyDown(qint16 &KeyCode, qint16 &Shift);
    void KeyPress(qint16 KeyAscii);
    void KeyUp(qint16 KeyCode, qint16 &Shift);
    void MouseDown(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseMove(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseUp(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void GotFocus();
    void LostFocus();

protected:
    // Called after Left, Top, Width or Height changed; the default maps them to pixels.
    virtual void applyGeometry();
    // Records a geometry that the window system changed (no applyGeometry call).
    void storeGeometry(double left, double top, double width, double height)
    {
        m_left = left;
        m_top = top;
        m_width = width;
        m_height = height;
    }
    void setFocusable(bool focusable);
    void setComposite(bool composite) { m_composite = composite; }
    // Raises this control's events for an inner Qt widget's input (a line edit inside a
    // text box); the inner widget still handles the input itself.
    void forwardInputOf(QWidget *inner);

    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void raiseKeyDown(QKeyEvent *event);
    void raiseKeyUp(QKeyEvent *event);
    void raiseMouse(int kind, QMouseEvent *event);
    // The mouse path of the control and of the inner widgets it forwards; where is in its own pixels.
    void mousePressed(QMouseEvent *event);
    void mouseReleased(QMouseEvent *event, QPoint where);

    double m_left = 0.0;
    double m_top = 0.0;
    double m_width = 0.0;
    double m_height = 0.0;
    bool m_visible = true;
    bool m_tabStop = true;
    bool m_focusable = false;
    bool m_composite = false;
    bool m_pressed = false;
    qint16 m_index = -1;
    qint16 m_tabIndex = 0;
    QString m_tag;
};

} // namespace tallyard
