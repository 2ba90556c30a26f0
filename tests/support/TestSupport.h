#pragma once
// Helpers shared by the suites.

#include "platform/core/LocalTime.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>


namespace tallyard::test {

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
        SYSTEMTIME t;
        t.wYear = static_cast<int16_t>(year);
        t.wMonth = static_cast<int16_t>(month);
        t.wDay = static_cast<int16_t>(day);
        t.wHour = static_cast<int16_t>(hour);
        t.wMinute = static_cast<int16_t>(minute);
        t.wSecond = static_cast<int16_t>(second);
        m_ms = civilSeconds(t) * 1000 + ms;
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
