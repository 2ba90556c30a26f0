// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The fields of the board's state, named once: each one's member, its key in the published
// state (/state) and in the state file (board.json), the group it stands in there, the range
// a stored value must lie in, and whether it comes back after a crash and whether it is a
// change the operator commits (a number, a score, a clock), which the state file takes at
// once. Every follower (the comparison, the published JSON, the state file and its reader,
// the board brought back) walks this table; adding a field is a row here plus its use.

#include "scoreboard/state/BoardState.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <limits>
#include <variant>

namespace tallyard {

// The table, one row a field:
//   X(field, kind, key in /state, key in board.json, group, lowest, highest, restored, committed, where)
// restored: brought back onto the board after a crash; committed: a change the operator
// commits, which the state file takes at once; where: the field's value in a state `s`.
// clang-format off
#define TALLYARD_BOARD_FIELDS(X) \
    X(Event,          Text,       "event",      "event",      nullptr,    0, schema::MaxText,        true,  false, &s.event) \
    X(Name,           Text,       "name",       "name",       nullptr,    0, schema::MaxText,        true,  false, &s.name) \
    X(Team,           Text,       "team",       "team",       nullptr,    0, schema::MaxText,        true,  false, &s.team) \
    X(Number,         Number,     "number",     "number",     nullptr,   -1, schema::MaxNumber,      true,  true,  &s.number) \
    X(Score,          Score,      "score",      "score",      nullptr,   -1, schema::MaxScoreWhole,  true,  true,  (ScoreRef{&s.scoreWhole, &s.scoreThousandths})) \
    X(RoutineClock,   Clock,      "routine",    "routine",    "clocks",   0, 0,                      true,  true,  &s.clocks[BoardState::Routine]) \
    X(FallClock,      Clock,      "fall",       "fall",       "clocks",   0, 0,                      true,  true,  &s.clocks[BoardState::Fall]) \
    X(WarmUpClock,    Clock,      "warmup",     "warmUp",     "clocks",   0, 0,                      true,  true,  &s.clocks[BoardState::WarmUp]) \
    /* The look comes from the operator's settings, which are kept by themselves. */ \
    X(BackColor,      Color,      "back",       "back",       "colors",   schema::IntMin, schema::IntMax, false, false, &s.backColor) \
    X(TextColor,      Color,      "text",       "text",       "colors",   schema::IntMin, schema::IntMax, false, false, &s.textColor) \
    X(LedBackColor,   Color,      "ledBack",    "ledBack",    "colors",   schema::IntMin, schema::IntMax, false, false, &s.ledBackColor) \
    X(ScoreColor,     Color,      "score",      "score",      "colors",   schema::IntMin, schema::IntMax, false, false, &s.scoreColor) \
    X(GymnastColor,   Color,      "gymnast",    "gymnast",    "colors",   schema::IntMin, schema::IntMax, false, false, &s.gymnastColor) \
    X(RoutineColor,   Color,      "routine",    "routine",    "colors",   schema::IntMin, schema::IntMax, false, false, &s.clockColors[BoardState::Routine]) \
    X(FallColor,      Color,      "fall",       "fall",       "colors",   schema::IntMin, schema::IntMax, false, false, &s.clockColors[BoardState::Fall]) \
    X(WarmUpColor,    Color,      "warmup",     "warmUp",     "colors",   schema::IntMin, schema::IntMax, false, false, &s.clockColors[BoardState::WarmUp]) \
    X(DigitStyle,     DigitStyle, "digitStyle", "digitStyle", nullptr,    -32768, 32767,             false, false, &s.digitStyle) \
    X(HomePicture,    Picture,    "home",       "home",       "pictures", 0, schema::MaxPicturePath, true,  false, &s.homePicture) \
    X(VisitorPicture, Picture,    "visitor",    "visitor",    "pictures", 0, schema::MaxPicturePath, true,  false, &s.visitorPicture)
// clang-format on

enum class BoardField : uint8_t {
#define TALLYARD_FIELD_NAME(field, ...) field,
    TALLYARD_BOARD_FIELDS(TALLYARD_FIELD_NAME)
#undef TALLYARD_FIELD_NAME
};
#define TALLYARD_FIELD_ONE(...) +1
inline constexpr size_t BoardFieldCount = 0 TALLYARD_BOARD_FIELDS(TALLYARD_FIELD_ONE);
#undef TALLYARD_FIELD_ONE
using BoardFields = std::bitset<BoardFieldCount>;

// How a field is held and written.
enum class FieldKind : uint8_t {
    Text,       // a QString of at most `highest` characters
    Number,     // an int in lowest..highest; -1 shows none (null in /state)
    Score,      // whole points (-1 shows none, then null in /state) and thousandths
    Clock,      // a ClockState
    Color,      // a 0x00BBGGRR int ("#rrggbb" in /state)
    DigitStyle, // an int, 0 lines, 1 dots ("lines" or "dots" in /state)
    Picture,    // a file's path of at most `highest` characters (an address on the server in /state)
};

// Where a field's value lives in a state.
struct ScoreRef {
    int *whole;
    int *thousandths;
};
using FieldRef = std::variant<QString *, int *, ClockState *, ScoreRef>;

struct FieldEntry {
    BoardField field;
    FieldKind kind;
    const char *stateKey; // in /state (published: never renamed)
    const char *fileKey;  // in board.json
    const char *group;    // the object both stand in ("clocks", "colors", "pictures"), or nullptr
    int64_t lowest;
    int64_t highest;
    bool restored;  // brought back onto the board after a crash
    bool committed; // a change the operator commits: the state file takes it at once
    FieldRef (*ref)(BoardState &state);
};

namespace schema {
inline constexpr int64_t MaxText = 1000;
inline constexpr int64_t MaxPicturePath = 4096;
inline constexpr int64_t MaxNumber = 9999;
inline constexpr int64_t MaxScoreWhole = 19;
inline constexpr int64_t IntMin = std::numeric_limits<int32_t>::min();
inline constexpr int64_t IntMax = std::numeric_limits<int32_t>::max();
} // namespace schema

inline constexpr std::array<FieldEntry, BoardFieldCount> BoardSchema{{
#define TALLYARD_FIELD_SPEC(field, kind, stateKey, fileKey, group, lowest, highest, restored, committed, where)        \
    {BoardField::field,                                                                                                \
     FieldKind::kind,                                                                                                  \
     stateKey,                                                                                                         \
     fileKey,                                                                                                          \
     group,                                                                                                            \
     lowest,                                                                                                           \
     highest,                                                                                                          \
     restored,                                                                                                         \
     committed,                                                                                                        \
     [](BoardState &s) -> FieldRef { return where; }},
    TALLYARD_BOARD_FIELDS(TALLYARD_FIELD_SPEC)
#undef TALLYARD_FIELD_SPEC
}};

// A field of a state that is only read; the table's accessors take a state to write.
inline FieldRef fieldOf(const BoardState &state, const FieldEntry &entry)
{
    return entry.ref(const_cast<BoardState &>(state));
}

// Whether a field reads the same in both states, as a viewer would see it.
bool sameField(const BoardState &a, const BoardState &b, const FieldEntry &entry);
// The field's value of from, put into to.
void copyField(const BoardState &from, BoardState &to, const FieldEntry &entry);

} // namespace tallyard
