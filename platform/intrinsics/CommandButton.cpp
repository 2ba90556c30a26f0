// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/CommandButton.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tallyard {

namespace {

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CommandButton::CommandButton(QWidget *parent) : CaptionedButton(parent, 375, [this] { click(); }) { }

QList<CommandButton *> CommandButton::windowButtons() const
{
    QList<CommandButton *> buttons = window()->findChildren<CommandButton *>();
    buttons.removeAll(const_cast<CommandButton *>(this));
    return buttons;
}

void CommandButton::setDefault(bool isDefault)
{
    if (isDefault == m_default)
        return;
    m_default = isDefault;
    if (isDefault) {
        for (CommandButton *other : windowButtons())
            other->setDefault(false);
        const std::array keys{Qt::Key_Return, Qt::Key_Enter};
        for (size_t i = 0; i < keys.size(); ++i) {
            m_enterKeys[i]
                = new QShortcut(QKeySequence(keys[i]), this, this, &CommandButton::click, Qt::WindowShortcut);
        }
    } else {
        for (QShortcut *&shortcut : m_enterKeys) {
            delete shortcut;
            shortcut = nullptr;
        }
    }
    update();
}

void CommandButton::setCancel(bool isCancel)
{
    if (isCancel == m_cancel)
        return;
    m_cancel = isCancel;
    if (isCancel) {
        for (CommandButton *other : windowButtons())
            other->setCancel(false);
        m_escapeKey
            = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &CommandButton::click, Qt::WindowShortcut);
    } else {
        delete m_escapeKey;
        m_escapeKey = nullptr;
    }
}

void CommandButton::setValue(bool value)
{
    if (value)
        click();
}

void CommandButton::click()
{
    if (!isEnabled())
        return;
    runGuarded("Click", [this] { emit Click(); });
}

void CommandButton::setDown(bool down)
{
    if (down == m_down)
        return;
    m_down = down;
    update();
}

bool CommandButton::event(QEvent *event)
{
    // A focused button takes Enter and Space itself, before the Default button's shortcut.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((isEnterKey(key->key()) || key->key() == Qt::Key_Space) && !(key->modifiers() & ~Qt::KeypadModifier)) {
            event->accept();
            return true;
        }
    }
    return StyledControl::event(event);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    StyledControl::keyPressEvent(event);
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (plain && event->key() == Qt::Key_Space && !event->isAutoRepeat())
        setDown(true);
    else if (plain && isEnterKey(event->key()))
        click();
}

void CommandButton::keyReleaseEvent(QKeyEvent *event)
{
    StyledControl::keyReleaseEvent(event);
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_down) {
        setDown(false);
        click();
    }
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setDown(true);
    StyledControl::mousePressEvent(event);
}

void CommandButton::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        setDown(rect().contains(event->position().toPoint()));
    StyledControl::mouseMoveEvent(event);
}

void CommandButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setDown(false);
    if (isEnabled())
        StyledControl::mouseReleaseEvent(event);
}

void CommandButton::focusOutEvent(QFocusEvent *event)
{
    setDown(false);
    StyledControl::focusOutEvent(event);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = Caption();
    option.state |= m_down ? QStyle::State_Sunken : QStyle::State_Raised;
    if (m_default)
        option.features |= QStyleOptionButton::DefaultButton;
    option.palette.setColor(QPalette::Button, backColor());
    option.palette.setColor(QPalette::ButtonText, foreColor());
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace tallyard
