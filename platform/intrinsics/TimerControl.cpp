// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/TimerControl.h"

namespace tallyard {

TimerControl::TimerControl(QWidget *parent) : IntrinsicControl(parent)
{
    QWidget::setVisible(false);
    // A child, so that whoever inspects the control finds the timer that really runs.
    m_timer.setParent(this);
    connect(&m_timer, &QTimer::timeout, this, [this] { runGuarded("Timer", [this] { emit Timer(); }); });
}

void TimerControl::setVisible(bool)
{
    QWidget::setVisible(false);
}

void TimerControl::setInterval(qint32 milliseconds)
{
    if (milliseconds < 0 || milliseconds > 65535)
        throw InvalidArgument();
    m_interval = milliseconds;
    restart();
}

void TimerControl::setEnabledFlag(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void TimerControl::restart()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

} // namespace tallyard
