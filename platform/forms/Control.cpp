// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/Control.h"

#include "platform/core/Values.h"
#include "platform/forms/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QPointer>

#include <cmath>

namespace tallyard {

namespace {

// The controls that count as having the focus when widget has it: its nearest control,
// and the composites that control is a constituent of.
QList<Control *> focusChain(QWidget *widget)
{
    QList<Control *> chain;
    Control *control = nullptr;
    for (QWidget *w = widget; w && !control; w = w->parentWidget())
        control = qobject_cast<Control *>(w);
    while (control) {
        chain << control;
        Control *parent = control->parentControl();
        control = parent && parent->isComposite() ? parent : nullptr;
    }
    return chain;
}

// GotFocus/LostFocus follow the application's focus. Activation changes (focus leaving
// the application and coming back to the same widget) raise nothing.
void trackFocus()
{
    static bool tracking = false;
    if (tracking || !qApp)
        return;
    tracking = true;
    static QPointer<QWidget> last;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
        if (!now || now == last)
            return;
        const QList<Control *> before = focusChain(last);
        const QList<Control *> after = focusChain(now);
        last = now;
        QList<QPointer<Control>> losing, gaining;
        for (Control *c : before)
            if (!after.contains(c))
                losing << c;
        for (Control *c : after)
            if (!before.contains(c))
                gaining << c;
        for (const auto &c : losing)
            if (c)
                runGuarded("LostFocus", [&] { emit c->LostFocus(); });
        for (const auto &c : gaining)
            if (c)
                runGuarded("GotFocus", [&] { emit c->GotFocus(); });
    });
}

qint16 mouseButtons(Qt::MouseButtons buttons)
{
    qint16 result = 0;
    if (buttons & Qt::LeftButton)
        result |= 1;
    if (buttons & Qt::RightButton)
        result |= 2;
    if (buttons & Qt::MiddleButton)
        result |= 4;
    return result;
}

} // namespace

Control::Control(QWidget *parent) : QWidget(parent)
{
    trackFocus();
    setFocusPolicy(Qt::NoFocus);
    // MouseMove is raised with no button held too.
    setMouseTracking(true);
}

Control::~Control() = default;

QRect Control::twipsToPixels(double left, double top, double width, double height)
{
    const auto px = [](double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); };
    const int x1 = px(left);
    const int y1 = px(top);
    const int x2 = px(left + width);
    const int y2 = px(top + height);
    return QRect(x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1));
}

void Control::setLeft(double twips)
{
    Move(twips, m_top, m_width, m_height);
}

void Control::setTop(double twips)
{
    Move(m_left, twips, m_width, m_height);
}

void Control::setWidth(double twips)
{
    Move(m_left, m_top, twips, m_height);
}

void Control::setHeight(double twips)
{
    Move(m_left, m_top, m_width, twips);
}

void Control::Move(double left, double top, double width, double height)
{
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    m_left = left;
    m_top = top;
    m_width = std::max(0.0, width);
    m_height = std::max(0.0, height);
    applyGeometry();
}

void Control::applyGeometry()
{
    setGeometry(twipsToPixels(m_left, m_top, m_width, m_height));
}

void Control::setVisibleFlag(bool visible)
{
    m_visible = visible;
    setVisible(visible);
}

void Control::setTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    if (m_focusable)
        setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::setFocusable(bool focusable)
{
    m_focusable = focusable;
    setFocusPolicy(!focusable ? Qt::NoFocus : (m_tabStop ? Qt::StrongFocus : Qt::ClickFocus));
}

Control *Control::parentControl() const
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *control = qobject_cast<Control *>(w))
            return control;
    }
    return nullptr;
}

void Control::copyPropertiesFrom(const Control &other)
{
    const QMetaObject *meta = metaObject();
    if (meta != other.metaObject())
        return;
    const int first = Control::staticMetaObject.propertyOffset();
    for (int i = first; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QLatin1StringView name(property.name());
        if (!property.isWritable() || name == QLatin1StringView("Visible"))
            continue;
        property.write(this, property.read(&other));
    }
    setFocusPolicy(other.focusPolicy());
    setFont(other.font());
}

QWidget *Control::page(int index)
{
    if (index != 0)
        throw SubscriptOutOfRange();
    return this;
}

void Control::SetFocus()
{
    setFocus(Qt::OtherFocusReason);
}

void Control::raiseKeyDown(QKeyEvent *event)
{
    qint16 code = virtualKeyCode(event);
    qint16 shift = shiftState(event->modifiers());
    if (code == 0)
        return;
    runGuarded("KeyDown", [&] { emit KeyDown(code, shift); });
    const QString text = event->text();
    if (code != 0 && text.size() == 1 && text[0].unicode() < 256)
        runGuarded("KeyPress", [&] { emit KeyPress(static_cast<qint16>(text[0].unicode())); });
}

void Control::raiseKeyUp(QKeyEvent *event)
{
    const qint16 code = virtualKeyCode(event);
    qint16 shift = shiftState(event->modifiers());
    if (code == 0)
        return;
    runGuarded("KeyUp", [&] { emit KeyUp(code, shift); });
}

void Control::raiseMouse(int kind, QMouseEvent *event)
{
    qint16 button = mouseButtons(kind == 2 ? event->buttons() : event->button());
    qint16 shift = shiftState(event->modifiers());
    float x = static_cast<float>(event->position().x() * TwipsPerPixel);
    float y = static_cast<float>(event->position().y() * TwipsPerPixel);
    runGuarded("Mouse", [&] {
        if (kind == 0)
            emit MouseDown(button, shift, x, y);
        else if (kind == 1)
            emit MouseUp(button, shift, x, y);
        else
            emit MouseMove(button, shift, x, y);
    });
}

void Control::keyPressEvent(QKeyEvent *event)
{
    raiseKeyDown(event);
    event->accept();
}

void Control::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        raiseKeyUp(event);
    event->accept();
}

void Control::mousePressed(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    raiseMouse(0, event);
}

void Control::mouseReleased(QMouseEvent *event, QPoint where)
{
    raiseMouse(1, event);
    // A click is a left press and release on the control, wherever the mouse went between.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(where);
    m_pressed = false;
    if (click)
        runGuarded("Click", [&] { emit Click(); });
}

void Control::mousePressEvent(QMouseEvent *event)
{
    mousePressed(event);
    event->accept();
}

void Control::mouseReleaseEvent(QMouseEvent *event)
{
    mouseReleased(event, event->position().toPoint());
    event->accept();
}

void Control::mouseMoveEvent(QMouseEvent *event)
{
    raiseMouse(2, event);
    event->accept();
}

void Control::mouseDoubleClickEvent(QMouseEvent *event)
{
    runGuarded("DblClick", [&] { emit DblClick(); });
    event->accept();
}

void Control::forwardInputOf(QWidget *inner)
{
    inner->installEventFilter(this);
}

bool Control::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this && watched->isWidgetType()) {
        switch (event->type()) {
        case QEvent::KeyPress:
            raiseKeyDown(static_cast<QKeyEvent *>(event));
            break;
        case QEvent::KeyRelease:
            if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
                raiseKeyUp(static_cast<QKeyEvent *>(event));
            break;
        case QEvent::MouseButtonPress:
            mousePressed(static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseButtonRelease: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            mouseReleased(mouse, mapFromGlobal(mouse->globalPosition().toPoint()));
            break;
        }
        case QEvent::MouseButtonDblClick:
            runGuarded("DblClick", [&] { emit DblClick(); });
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tallyard
