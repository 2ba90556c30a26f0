// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A stopwatch or count-down clock without a timer of its own: it keeps a base value and
// the local time of its last start, and works its value out from the local time whenever
// it is read. Values are Currency seconds; the resolution of a read is a tenth of a second.

#include "quellin_export.h"
#include "controls/QuellinDispIds.h"
#include "controls/QuellinEnums.h"
#include "platform/forms/Control.h"
#include "platform/core/LocalTime.h"

class QLabel;

namespace quellin {

class QUELLIN_EXPORT TimeKeeper : public tallyard::Control {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TimeKeeper")
    Q_CLASSINFO("ProgID", "Quellin.TimeKeeper")
    QUELLIN_TIMEKEEPER_DISPIDS(TALLYARD_DISPID_CLASSINFO)
    Q_PROPERTY(tallyard::Currency TimeSec READ TimeSec WRITE setTimeSec)
    Q_PROPERTY(quellin::CountDirectionType CountDirection READ CountDirection WRITE setCountDirection)
    Q_PROPERTY(bool Running READ Running WRITE setRunning)
    Q_PROPERTY(tallyard::Currency TimeSecV2 READ TimeSecV2)

public:
    explicit TimeKeeper(QWidget *parent = nullptr);

    // The current value; reads the local time, and on an expired count-down resets the
    // base to 0 (the clock keeps running, showing 0).
    tallyard::Currency TimeSec();
    // Sets the value and leaves the clock stopped; a negative value is ignored.
    void setTimeSec(tallyard::Currency newTimeSec);
    CountDirectionType CountDirection() const { return m_countDirection; }
    // Changes direction without a jump in the value shown; a running clock restarts.
    void setCountDirection(CountDirectionType newCountDirection);
    bool Running() const { return m_running; }
    void setRunning(bool newRunning);
    // A millisecond-exact read that also stops the clock at the value read.
    tallyard::Currency TimeSecV2();
    // Refreshes the elapsed time to the millisecond; returns Empty.
    Q_INVOKABLE QVariant UpdateBetweenTime();

    void InitProperties() override;
    void ReadProperties(const tallyard::PropertyBag &bag) override;
    void WriteProperties(tallyard::PropertyBag &bag) const override;

    // The inner state, for hosts that inspect a clock and for tests.
    tallyard::Currency BaseTime() const { return m_baseTime; }
    tallyard::Currency BetweenTime() const { return m_betweenTime; }
    // "month/day/year hour:minute:second" of the last start, empty before the first.
    QString StartTime() const;
    QString StartMilliseconds() const;
    QLabel *lblTime() const { return m_lblTime; }

private:
    void readClock();
    int64_t elapsedWholeSeconds() const;
    // The value from base and elapsed time; an expired count-down resets the base to 0.
    tallyard::Currency valueNow();
    void showTime(tallyard::Currency value);

    bool m_running = false;
    CountDirectionType m_countDirection = Down;
    bool m_started = false; // StartTime is not empty
    int64_t m_startSeconds = 0;
    int m_startMilliseconds = 0;
    tallyard::Currency m_betweenTime;
    tallyard::Currency m_baseTime;
    tallyard::SYSTEMTIME m_localTime;
    QLabel *m_lblTime = nullptr;
    tallyard::Currency m_labelValue;
    bool m_labelValid = false;
};

} // namespace quellin
