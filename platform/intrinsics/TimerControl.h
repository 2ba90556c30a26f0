// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The forms' timer: raises Timer every Interval milliseconds while Enabled. It is never
// seen and never takes the focus. A failure in a Timer handler is caught at the tick, so
// the next tick comes as usual.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

#include <QTimer>

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT TimerControl : public IntrinsicControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Timer")
    Q_CLASSINFO("ProgID", "VB.Timer")
    Q_CLASSINFO("EventId Timer", "1")
    Q_PROPERTY(qint32 Interval READ Interval WRITE setInterval)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledFlag)

public:
    explicit TimerControl(QWidget *parent = nullptr);

    // Milliseconds, 0 to 65535; 0 stops the ticks. Setting it starts the wait anew.
    // Outside that range throws InvalidArgument.
    qint32 Interval() const { return m_interval; }
    void setInterval(qint32 milliseconds);
    // Whether it ticks (with an Interval above 0). A disabled form does not stop it.
    bool Enabled() const { return m_enabled; }
    void setEnabledFlag(bool enabled);

    void setVisible(bool visible) override;
    // Ticks no more; Enabled and Interval keep their values.
    void stopActivity() override { m_timer.stop(); }

signals:
    void Timer();

private:
    void restart();

    QTimer m_timer;
    qint32 m_interval = 0;
    bool m_enabled = true;
};

} // namespace tallyard
