// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// What the board shows now, as one plain value: the one source the record of the meet and
// the web views follow, so that none of them reaches into the board's controls. The board
// offers a new state after every refresh; the publisher takes it only when something a
// viewer would see changed, never on a tick that changed nothing, and counts each change.

#include "platform/core/LocalTime.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

namespace tallyard {

// The local date and time now, as civil milliseconds (see civilSeconds): the clocks' own
// time base, so a clock worked out from it reads what its TimeKeeper reads.
int64_t localMilliseconds();
// A civil local moment as true milliseconds since 1970 UTC (the zone's offset at that moment
// taken off), and the zone's offset then in minutes east of UTC: what a reader elsewhere needs.
int64_t epochMilliseconds(int64_t civilMs);
int zoneOffsetMinutes(int64_t civilMs);

struct ClockState {
    double seconds = 0;    // the clock's value at takenAtMs
    int64_t takenAtMs = 0; // civil local milliseconds of that value
    bool running = false;
    bool countsUp = false;
    int preset = 0; // seconds the reset key sets it back to

    // What the clock reads at a civil moment: a running count-down comes to rest at 0.
    double valueAt(int64_t ms) const;
    // The same clock to a viewer: the same running, direction and preset, and a value that
    // agrees (for a running clock, where it is heading; within a tenth and a half).
    bool sameAs(const ClockState &other) const;
};

struct BoardState {
    enum Clock { Routine, Fall, WarmUp };

    uint64_t version = 0; // grows with each change
    QString event;
    QString name;
    QString team;
    int number = 0;     // the gymnast number; -1 shows none
    int scoreWhole = 0; // the score's points and thousandths as shown; -1 shows none
    int scoreThousandths = 0;
    std::array<ClockState, 3> clocks;
    // The board's look: colours 0x00BBGGRR and the digit style (0 lines, 1 dots).
    int32_t backColor = 0;
    int32_t textColor = 0;
    int32_t ledBackColor = 0;
    int32_t scoreColor = 0;
    int32_t gymnastColor = 0;
    std::array<int32_t, 3> clockColors{};
    int digitStyle = 0;
    QString homePicture; // the files shown, empty for none
    QString visitorPicture;

    bool sameAs(const BoardState &other) const; // everything but the version
};

// The states the board has shown, for its followers.
class BoardStatePublisher : public QObject {
    Q_OBJECT

public:
    const BoardState &current() const { return m_current; }
    // Takes the state when it differs from the current one to a viewer, with the next version.
    void offer(BoardState state);
    // True when anybody follows, so that the board need not even make a state otherwise.
    bool followed() const;

signals:
    void changed(const tallyard::BoardState &state);

private:
    BoardState m_current;
};

// The one publisher of the program's board.
BoardStatePublisher &boardStates();

} // namespace tallyard
