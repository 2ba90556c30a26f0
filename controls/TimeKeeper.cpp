// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "controls/TimeKeeper.h"

#include <QLabel>
#include <QVBoxLayout>

using tallyard::Currency;

namespace quellin {

TimeKeeper::TimeKeeper(QWidget *parent) : Control(parent)
{
    m_lblTime = new QLabel(QStringLiteral("00:00:00.0"), this);
    m_lblTime->setObjectName(QStringLiteral("lblTime"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lblTime);
    Move(0, 0, 1500, 375);
}

void TimeKeeper::readClock()
{
    m_localTime = tallyard::GetLocalTime();
}

int64_t TimeKeeper::elapsedWholeSeconds() const
{
    return tallyard::civilSeconds(m_localTime) - m_startSeconds;
}

void TimeKeeper::showTime(Currency value)
{
    // The label changes ten times a second at most; a read 20 times a second should not
    // format the same text again.
    if (m_labelValid && value == m_labelValue)
        return;
    m_labelValue = value;
    m_labelValid = true;
    m_lblTime->setText(value.toString());
}

Currency TimeKeeper::valueNow()
{
    const bool up = m_countDirection != Down;
    if (m_baseTime - m_betweenTime > Currency())
        return up ? m_baseTime + m_betweenTime : m_baseTime - m_betweenTime;
    if (up)
        return m_baseTime + m_betweenTime;
    m_baseTime = Currency();
    return Currency();
}

Currency TimeKeeper::TimeSec()
{
    readClock();
    if (m_started && m_running) {
        Currency between = Currency::fromInt(elapsedWholeSeconds());
        // Tenths of a second at the start and now.
        const int s = m_startMilliseconds / 100;
        const int n = m_localTime.wMilliseconds / 100;
        if (n < s)
            between = between - Currency::fromInt(1) + Currency::fromDouble((10.0 - (s - n)) / 10.0);
        else
            between = between + Currency::fromDouble((n - s) / 10.0);
        m_betweenTime = between;
    } else {
        m_betweenTime = Currency();
    }
    const Currency result = valueNow();
    showTime(result);
    return result;
}

void TimeKeeper::setTimeSec(Currency newTimeSec)
{
    if (newTimeSec < Currency())
        return;
    setRunning(false);
    m_baseTime = newTimeSec;
    m_betweenTime = Currency();
    showTime(newTimeSec);
}

void TimeKeeper::setCountDirection(CountDirectionType newCountDirection)
{
    const bool wasRunning = m_running;
    setRunning(false);
    m_countDirection = newCountDirection;
    setRunning(wasRunning);
}

void TimeKeeper::setRunning(bool newRunning)
{
    if (newRunning && !m_running) {
        readClock();
        m_startSeconds = tallyard::civilSeconds(m_localTime);
        m_startMilliseconds = m_localTime.wMilliseconds;
        m_started = true;
        m_running = true;
    } else if (!newRunning && m_running) {
        // The clock is not read here: the value kept is the one the last read worked out.
        m_baseTime = m_countDirection == Down ? m_baseTime - m_betweenTime : m_baseTime + m_betweenTime;
        m_running = false;
    }
}

QVariant TimeKeeper::UpdateBetweenTime()
{
    readClock();
    if (m_started && m_running) {
        m_betweenTime = Currency::fromInt(elapsedWholeSeconds())
            + Currency::fromDouble((m_localTime.wMilliseconds - m_startMilliseconds) / 1000.0);
    } else {
        m_betweenTime = Currency();
    }
    return QVariant();
}

Currency TimeKeeper::TimeSecV2()
{
    UpdateBetweenTime();
    const Currency value = valueNow();
    setTimeSec(value);
    showTime(value);
    return value;
}

QString TimeKeeper::StartTime() const
{
    if (!m_started)
        return QString();
    const tallyard::SYSTEMTIME t = tallyard::fromCivilSeconds(m_startSeconds);
    return QStringLiteral("%1/%2/%3 %4:%5:%6")
        .arg(t.wMonth)
        .arg(t.wDay)
        .arg(t.wYear)
        .arg(t.wHour)
        .arg(t.wMinute)
        .arg(t.wSecond);
}

QString TimeKeeper::StartMilliseconds() const
{
    return m_started ? QString::number(m_startMilliseconds) : QString();
}

void TimeKeeper::InitProperties()
{
    m_running = false;
    m_countDirection = Down;
}

void TimeKeeper::ReadProperties(const tallyard::PropertyBag &bag)
{
    // A clock loaded as running has no start instant: it reads its base and ignores a
    // start until it has been stopped once.
    m_running = tallyard::variantToBool(bag.ReadProperty(QStringLiteral("PRunning"), false));
    m_countDirection = static_cast<CountDirectionType>(
        tallyard::variantToInt32(bag.ReadProperty(QStringLiteral("PCountDirection"), 0)));
}

void TimeKeeper::WriteProperties(tallyard::PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("PRunning"), m_running, false);
    bag.WriteProperty(QStringLiteral("PCountDirection"), static_cast<int>(m_countDirection), 0);
}

} // namespace quellin
