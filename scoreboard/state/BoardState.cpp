// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/state/BoardState.h"

#include <QMetaMethod>

#include <algorithm>
#include <cmath>

namespace tallyard {

int64_t localMilliseconds()
{
    const SYSTEMTIME now = GetLocalTime();
    return civilSeconds(now) * 1000 + now.wMilliseconds;
}

double ClockState::valueAt(int64_t ms) const
{
    if (!running)
        return seconds;
    const double elapsed = static_cast<double>(ms - takenAtMs) / 1000.0;
    return countsUp ? seconds + elapsed : std::max(0.0, seconds - elapsed);
}

bool ClockState::sameAs(const ClockState &other) const
{
    if (running != other.running || countsUp != other.countsUp || preset != other.preset)
        return false;
    // The clocks count in tenths; a running one read a moment apart is the same clock.
    constexpr double Tolerance = 0.15;
    return std::fabs(valueAt(other.takenAtMs) - other.seconds) <= Tolerance;
}

bool BoardState::sameAs(const BoardState &other) const
{
    for (size_t i = 0; i < clocks.size(); ++i)
        if (!clocks[i].sameAs(other.clocks[i]))
            return false;
    return event == other.event && name == other.name && team == other.team && number == other.number
        && scoreWhole == other.scoreWhole && scoreThousandths == other.scoreThousandths
        && backColor == other.backColor && textColor == other.textColor && ledBackColor == other.ledBackColor
        && scoreColor == other.scoreColor && gymnastColor == other.gymnastColor && clockColors == other.clockColors
        && digitStyle == other.digitStyle && homePicture == other.homePicture
        && visitorPicture == other.visitorPicture;
}

void BoardStatePublisher::offer(BoardState state)
{
    if (m_current.version > 0 && state.sameAs(m_current))
        return;
    state.version = m_current.version + 1;
    m_current = std::move(state);
    emit changed(m_current);
}

bool BoardStatePublisher::followed() const
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&BoardStatePublisher::changed);
    return isSignalConnected(signal);
}

BoardStatePublisher &boardStates()
{
    static BoardStatePublisher publisher;
    return publisher;
}

} // namespace tallyard
