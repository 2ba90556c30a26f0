// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/state/BoardState.h"

#include "scoreboard/state/BoardSchema.h"

#include <QDate>
#include <QDateTime>
#include <QMetaMethod>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace tallyard {

int64_t localMilliseconds()
{
    const SYSTEMTIME now = GetLocalTime();
    return civilSeconds(now) * 1000 + now.wMilliseconds;
}

namespace {

QDateTime civilDateTime(int64_t civilMs)
{
    const int64_t seconds = civilMs >= 0 ? civilMs / 1000 : (civilMs - 999) / 1000;
    const SYSTEMTIME t = fromCivilSeconds(seconds, static_cast<int>(civilMs - seconds * 1000));
    return QDateTime(QDate(t.wYear, t.wMonth, t.wDay), QTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds),
                     Qt::LocalTime);
}

} // namespace

int64_t epochMilliseconds(int64_t civilMs)
{
    const QDateTime local = civilDateTime(civilMs);
    return local.isValid() ? local.toMSecsSinceEpoch() : civilMs;
}

int zoneOffsetMinutes(int64_t civilMs)
{
    const QDateTime local = civilDateTime(civilMs);
    return local.isValid() ? local.offsetFromUtc() / 60 : 0;
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
    for (const FieldEntry &entry : BoardSchema)
        if (!sameField(*this, other, entry))
            return false;
    return true;
}

namespace {

constexpr bool schemaInOrder()
{
    for (size_t i = 0; i < BoardSchema.size(); ++i)
        if (static_cast<size_t>(BoardSchema[i].field) != i)
            return false;
    return true;
}
static_assert(schemaInOrder(), "the schema lists every field once, in the order of BoardField");

} // namespace

bool sameField(const BoardState &a, const BoardState &b, const FieldEntry &entry)
{
    const FieldRef left = fieldOf(a, entry);
    const FieldRef right = fieldOf(b, entry);
    return std::visit(
        [&](auto l) {
            using T = decltype(l);
            const T r = std::get<T>(right);
            if constexpr (std::is_same_v<T, ScoreRef>)
                return *l.whole == *r.whole && *l.thousandths == *r.thousandths;
            else if constexpr (std::is_same_v<T, ClockState *>)
                return l->sameAs(*r);
            else
                return *l == *r;
        },
        left);
}

void copyField(const BoardState &from, BoardState &to, const FieldEntry &entry)
{
    const FieldRef source = fieldOf(from, entry);
    const FieldRef target = entry.ref(to);
    std::visit(
        [&](auto t) {
            using T = decltype(t);
            const T f = std::get<T>(source);
            if constexpr (std::is_same_v<T, ScoreRef>) {
                *t.whole = *f.whole;
                *t.thousandths = *f.thousandths;
            } else {
                *t = *f;
            }
        },
        target);
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
