// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The board's state as the web views read it: one JSON object, the same at /state and in each
// message of the live stream.

#include "scoreboard/state/BoardState.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace tallyard {

// The name and revision of the JSON format; a change that could break a reader gets a new one.
inline constexpr const char *StateFormat = "tallyard-board-state/2";

// Picture addresses that change when the board shows another file, so that a page reloads
// the picture only then; the file's path itself never leaves the program.
class PictureRevisions {
public:
    void follow(const BoardState &state);
    QString address(bool home) const;

private:
    QString m_paths[2];
    uint64_t m_revisions[2] = {0, 0};
    uint64_t m_next = 1;
};

// The state at the server's civil local millisecond nowMs (compact JSON, UTF-8): its moments
// (now, each clock's takenAt) in true milliseconds since 1970 UTC, with the zone's offset;
// startedAt: when the server started, as the change counter (version) counts from then.
QByteArray stateJson(const BoardState &state, int64_t nowMs, const PictureRevisions &pictures, int64_t startedAt = 0);
// "#rrggbb" of a 0x00BBGGRR colour.
QString cssColor(int32_t color);

} // namespace tallyard
