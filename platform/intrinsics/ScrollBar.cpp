// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/ScrollBar.h"

#include "platform/intrinsics/TextBox.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <cstdlib>

namespace tallyard {

ScrollBar::ScrollBar(QWidget *parent, Qt::Orientation orientation) : IntrinsicControl(parent)
{
    m_bar = new QScrollBar(orientation, this);
    setFocusProxy(m_bar);
    forwardInputOf(m_bar);
    setFocusable(true);
    connect(m_bar, &QScrollBar::valueChanged, this, &ScrollBar::barMoved);
    connect(m_bar, &QScrollBar::sliderPressed, this, [this] { m_valueAtPress = m_value; });
    connect(m_bar, &QScrollBar::sliderReleased, this, [this] {
        if (m_value != m_valueAtPress)
            runGuarded("Change", [this] { emit Change(); });
    });
    syncBar();
}

qint16 ScrollBar::clamp(int value) const
{
    return static_cast<qint16>(std::clamp(value, std::min<int>(m_min, m_max), std::max<int>(m_min, m_max)));
}

void ScrollBar::syncBar()
{
    m_syncing = true;
    m_bar->setRange(0, std::abs(int(m_max) - int(m_min)));
    m_bar->setSingleStep(m_smallChange);
    m_bar->setPageStep(m_largeChange);
    m_bar->setValue(std::abs(int(m_value) - int(m_min)));
    m_syncing = false;
}

void ScrollBar::barMoved(int position)
{
    if (m_syncing)
        return;
    const int value = m_min <= m_max ? m_min + position : m_min - position;
    if (value == m_value)
        return;
    m_value = clamp(value);
    // While the thumb is dragged the value follows it (Scroll); Change comes on release.
    if (m_bar->isSliderDown())
        runGuarded("Scroll", [this] { emit Scroll(); });
    else
        runGuarded("Change", [this] { emit Change(); });
}

void ScrollBar::changeValue(qint16 value)
{
    const bool changed = value != m_value;
    m_value = value;
    syncBar();
    if (changed)
        runGuarded("Change", [this] { emit Change(); });
}

void ScrollBar::setMin(qint16 min)
{
    if (min == m_min)
        return;
    m_min = min;
    changeValue(clamp(m_value));
}

void ScrollBar::setMax(qint16 max)
{
    if (max == m_max)
        return;
    m_max = max;
    changeValue(clamp(m_value));
}

void ScrollBar::setValue(qint16 value)
{
    changeValue(clamp(value));
}

void ScrollBar::setSmallChange(qint16 step)
{
    if (step < 1)
        throw InvalidArgument();
    m_smallChange = step;
    syncBar();
}

void ScrollBar::setLargeChange(qint16 step)
{
    if (step < 1)
        throw InvalidArgument();
    m_largeChange = step;
    syncBar();
}

void ScrollBar::resizeEvent(QResizeEvent *event)
{
    IntrinsicControl::resizeEvent(event);
    m_bar->setGeometry(rect());
}

void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

void ScrollBar::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
}

bool ScrollBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_bar && isFocusMoveKey(event))
        return false;
    return IntrinsicControl::eventFilter(watched, event);
}

HScrollBar::HScrollBar(QWidget *parent) : ScrollBar(parent, Qt::Horizontal)
{
    Move(0, 0, 1215, 255);
}

VScrollBar::VScrollBar(QWidget *parent) : ScrollBar(parent, Qt::Vertical)
{
    Move(0, 0, 255, 1215);
}

} // namespace tallyard
