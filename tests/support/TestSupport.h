// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Helpers shared by the suites.

#include "platform/core/LocalTime.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace tallyard::test {

// Civil local milliseconds of a date and time, as the local-time source counts them.
inline int64_t civilMs(int year, int month, int day, int hour, int minute, int second, int ms = 0)
{
    SYSTEMTIME t;
    t.wYear = static_cast<int16_t>(year);
    t.wMonth = static_cast<int16_t>(month);
    t.wDay = static_cast<int16_t>(day);
    t.wHour = static_cast<int16_t>(hour);
    t.wMinute = static_cast<int16_t>(minute);
    t.wSecond = static_cast<int16_t>(second);
    return civilSeconds(t) * 1000 + ms;
}

// A local clock the test sets and steps; installed for the lifetime of the object.
class FakeLocalTime {
public:
    FakeLocalTime(int year, int month, int day, int hour, int minute, int second, int ms = 0)
    {
        set(year, month, day, hour, minute, second, ms);
        setLocalTimeOverride([this] { return now(); });
    }
    ~FakeLocalTime() { setLocalTimeOverride({}); }
    FakeLocalTime(const FakeLocalTime &) = delete;
    FakeLocalTime &operator=(const FakeLocalTime &) = delete;

    void set(int year, int month, int day, int hour, int minute, int second, int ms = 0)
    {
        m_ms = civilMs(year, month, day, hour, minute, second, ms);
    }
    // Moves the clock on (or back, for a negative step) by milliseconds.
    void advance(int64_t ms) { m_ms += ms; }
    SYSTEMTIME now() const
    {
        const int64_t seconds = m_ms >= 0 ? m_ms / 1000 : (m_ms - 999) / 1000;
        return fromCivilSeconds(seconds, static_cast<int>(m_ms - seconds * 1000));
    }

private:
    int64_t m_ms = 0;
};

// Collects, while it lives, the failures an event boundary caught and logged
// ("<where>: <what> (ignored)"), and passes every message on.
class SwallowedFailures {
public:
    SwallowedFailures() : m_previous(qInstallMessageHandler(&note)) { s_current = this; }
    ~SwallowedFailures()
    {
        s_current = nullptr;
        qInstallMessageHandler(m_previous);
    }
    SwallowedFailures(const SwallowedFailures &) = delete;
    SwallowedFailures &operator=(const SwallowedFailures &) = delete;

    QStringList messages;
    // How many were caught at the boundary named where ("Timer", "KeyDown" ...).
    qsizetype count(const char *where) const
    {
        const QString prefix = QString::fromLatin1(where) + QStringLiteral(": ");
        return std::count_if(messages.begin(), messages.end(), [&](const QString &m) { return m.startsWith(prefix); });
    }

private:
    static void note(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (s_current) {
            if (message.endsWith(QStringLiteral("(ignored)")))
                s_current->messages << message;
            if (s_current->m_previous)
                s_current->m_previous(type, context, message);
        }
    }

    QtMessageHandler m_previous;
    inline static SwallowedFailures *s_current = nullptr;
};

// Counts the paints of a widget and of every widget on it.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *root) : m_root(root) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    PaintCounter(const PaintCounter &) = delete;
    PaintCounter &operator=(const PaintCounter &) = delete;
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !m_root)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && (widget == m_root || m_root->isAncestorOf(widget)))
            ++count;
        return false;
    }

private:
    QPointer<QWidget> m_root;
};

} // namespace tallyard::test
