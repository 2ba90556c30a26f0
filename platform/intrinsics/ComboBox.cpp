// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/ComboBox.h"

#include "platform/intrinsics/TextBox.h"

#include <QComboBox>
#include <QKeyEvent>

namespace tallyard {

ComboBox::ComboBox(QWidget *parent) : StyledControl(parent, syscolor::WindowBackground, syscolor::WindowText)
{
    m_combo = new QComboBox(this);
    m_combo->setEditable(false);
    setFocusProxy(m_combo);
    forwardInputOf(m_combo);
    setFocusable(true);
    connect(m_combo, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_quiet)
            runGuarded("Click", [this] { emit Click(); });
    });
    Move(0, 0, 1215, 315);
}

qint16 ComboBox::ListIndex() const
{
    return static_cast<qint16>(m_combo->currentIndex());
}

void ComboBox::setListIndex(qint16 index)
{
    if (index < -1 || index >= m_combo->count() || index == m_combo->currentIndex())
        return;
    m_combo->setCurrentIndex(index);
}

qint16 ComboBox::ListCount() const
{
    return static_cast<qint16>(m_combo->count());
}

QString ComboBox::Text() const
{
    return m_combo->currentIndex() >= 0 ? m_combo->currentText() : QString();
}

void ComboBox::setText(const QString &text)
{
    const int index = m_combo->findText(text, Qt::MatchFixedString);
    if (index >= 0)
        setListIndex(static_cast<qint16>(index));
}

void ComboBox::AddItem(const QString &item, int index)
{
    if (index > m_combo->count())
        throw InvalidArgument();
    const int selected = m_combo->currentIndex();
    m_quiet = true;
    m_combo->insertItem(index < 0 ? m_combo->count() : index, item);
    // The first item of an empty list would become selected by itself.
    if (selected < 0)
        m_combo->setCurrentIndex(-1);
    m_quiet = false;
}

void ComboBox::RemoveItem(int index)
{
    if (index < 0 || index >= m_combo->count())
        throw InvalidArgument();
    m_quiet = true;
    m_combo->removeItem(index);
    m_quiet = false;
}

void ComboBox::Clear()
{
    m_quiet = true;
    m_combo->clear();
    m_quiet = false;
}

QString ComboBox::List(int index) const
{
    return index >= 0 && index < m_combo->count() ? m_combo->itemText(index) : QString();
}

void ComboBox::setList(int index, const QString &item)
{
    if (index < 0 || index >= m_combo->count())
        throw InvalidArgument();
    m_combo->setItemText(index, item);
}

void ComboBox::colorsChanged()
{
    QPalette palette = m_combo->palette();
    palette.setColor(QPalette::Base, backColor());
    palette.setColor(QPalette::Text, foreColor());
    m_combo->setPalette(palette);
}

void ComboBox::resizeEvent(QResizeEvent *event)
{
    StyledControl::resizeEvent(event);
    m_combo->setGeometry(rect());
}

void ComboBox::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

void ComboBox::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
}

bool ComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_combo) {
        if (isFocusMoveKey(event))
            return false;
        // A click opens the list; Click means a new selection here, not a click.
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return false;
        default:
            break;
        }
    }
    return StyledControl::eventFilter(watched, event);
}

} // namespace tallyard
