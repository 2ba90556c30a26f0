// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/OptionButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include <algorithm>

namespace tallyard {

OptionButton::OptionButton(QWidget *parent) : CaptionedButton(parent, 255, [this] { setValue(true); }) { }

QList<OptionButton *> OptionButton::group() const
{
    QList<OptionButton *> buttons;
    if (QWidget *container = parentWidget())
        buttons = container->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
    else
        buttons << const_cast<OptionButton *>(this);
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const OptionButton *a, const OptionButton *b) { return a->TabIndex() < b->TabIndex(); });
    return buttons;
}

bool OptionButton::select()
{
    if (m_value)
        return false;
    for (OptionButton *other : group()) {
        if (other != this)
            other->setValue(false);
    }
    m_value = true;
    update();
    return true;
}

void OptionButton::setValue(bool value)
{
    if (!value) {
        if (m_value) {
            m_value = false;
            update();
        }
        return;
    }
    if (select())
        runGuarded("Click", [this] { emit Click(); });
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    StyledControl::keyPressEvent(event);
    if (event->modifiers() & ~Qt::KeypadModifier)
        return;
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Space:
        setValue(true);
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        return;
    }
    const QList<OptionButton *> buttons = group();
    const qsizetype count = buttons.size();
    const qsizetype here = buttons.indexOf(this);
    for (qsizetype i = 1; i < count; ++i) {
        OptionButton *next = buttons[((here + step * i) % count + count) % count];
        if (next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            next->setValue(true);
            return;
        }
    }
}

void OptionButton::mouseReleaseEvent(QMouseEvent *event)
{
    // Selected first, so that the Click the release raises sees the new value.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        select();
    StyledControl::mouseReleaseEvent(event);
}

void OptionButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = Caption();
    option.state |= m_value ? QStyle::State_On : QStyle::State_Off;
    option.palette.setColor(QPalette::WindowText, foreColor());
    option.palette.setColor(QPalette::Window, backColor());
    style()->drawControl(QStyle::CE_RadioButton, &option, &painter, this);
}

} // namespace tallyard
