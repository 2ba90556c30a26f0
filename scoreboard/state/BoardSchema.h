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

enum class BoardField : uint8_t {
    Event,
    Name,
    Team,
    Number,
    Score,
    RoutineClock,
    FallClock,
    WarmUpClock,
    BackColor,
    TextColor,
    LedBackColor,
    ScoreColor,
    GymnastColor,
    RoutineColor,
    FallColor,
    WarmUpColor,
    DigitStyle,
    HomePicture,
    VisitorPicture,
};
inline constexpr size_t BoardFieldCount = 19;
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

struct FieldSpec {
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

// clang-format off
inline constexpr std::array<FieldSpec, BoardFieldCount> BoardSchema{{
    // field                      kind                   /state        board.json    group       lowest  highest            restored committed
    {BoardField::Event,           FieldKind::Text,       "event",      "event",      nullptr,    0, schema::MaxText,        true,  false, [](BoardState &s) -> FieldRef { return &s.event; }},
    {BoardField::Name,            FieldKind::Text,       "name",       "name",       nullptr,    0, schema::MaxText,        true,  false, [](BoardState &s) -> FieldRef { return &s.name; }},
    {BoardField::Team,            FieldKind::Text,       "team",       "team",       nullptr,    0, schema::MaxText,        true,  false, [](BoardState &s) -> FieldRef { return &s.team; }},
    {BoardField::Number,          FieldKind::Number,     "number",     "number",     nullptr,   -1, schema::MaxNumber,      true,  true,  [](BoardState &s) -> FieldRef { return &s.number; }},
    {BoardField::Score,           FieldKind::Score,      "score",      "score",      nullptr,   -1, schema::MaxScoreWhole,  true,  true,  [](BoardState &s) -> FieldRef { return ScoreRef{&s.scoreWhole, &s.scoreThousandths}; }},
    {BoardField::RoutineClock,    FieldKind::Clock,      "routine",    "routine",    "clocks",   0, 0,                      true,  true,  [](BoardState &s) -> FieldRef { return &s.clocks[BoardState::Routine]; }},
    {BoardField::FallClock,       FieldKind::Clock,      "fall",       "fall",       "clocks",   0, 0,                      true,  true,  [](BoardState &s) -> FieldRef { return &s.clocks[BoardState::Fall]; }},
    {BoardField::WarmUpClock,     FieldKind::Clock,      "warmup",     "warmUp",     "clocks",   0, 0,                      true,  true,  [](BoardState &s) -> FieldRef { return &s.clocks[BoardState::WarmUp]; }},
    // The look comes from the operator's settings, which are kept by themselves.
    {BoardField::BackColor,       FieldKind::Color,      "back",       "back",       "colors",   schema::IntMin, schema::IntMax, false, false, [](BoardState &s) -> FieldRef { return &s.backColor; }},
    {BoardField::TextColor,       FieldKind::Color,      "text",       "text",       "colors",   schema::IntMin, schema::IntMax, false, false, [](BoardState &s) -> FieldRef { return &s.textColor; }},
    {BoardField::LedBackColor,    FieldKind::Color,      "ledBack",    "ledBack",    "colors",   schema::IntMin, schema::IntMax, false, false, [](BoardState &s) -> FieldRef { return &s.ledBackColor; }},
    {BoardField::ScoreColor,      FieldKind::Color,      "score",      "score",      "colors",   schema::IntMin, schema::IntMax, false, false, [](BoardState &s) -> FieldRef { return &s.scoreColor; }},
    {BoardField::GymnastColor,    FieldKind::Color,      "gymnast",    "gymnast",    "colors",   schema::IntMin, schema::IntMax, false, false, [](BoardState &s) -> FieldRef { return &s.gymnastColor; }},
    {BoardField::RoutineColor,    FieldKind::Color,      "routine",    "routine",    "colors",   schema::IntMin, schema::IntMax, false, false, [](BoardState &s) -> FieldRef { return &s.clockColors[BoardState::Routine]; }},
    {BoardField::FallColor,       FieldKind::Color,      "fall",       "fall",       "colors",   schema::IntMin, schema::IntMax, false, false, [](BoardState &s) -> FieldRef { return &s.clockColors[BoardState::Fall]; }},
    {BoardField::WarmUpColor,     FieldKind::Color,      "warmup",     "warmUp",     "colors",   schema::IntMin, schema::IntMax, false, false, [](BoardState &s) -> FieldRef { return &s.clockColors[BoardState::WarmUp]; }},
    {BoardField::DigitStyle,      FieldKind::DigitStyle, "digitStyle", "digitStyle", nullptr,    -32768, 32767,             false, false, [](BoardState &s) -> FieldRef { return &s.digitStyle; }},
    {BoardField::HomePicture,     FieldKind::Picture,    "home",       "home",       "pictures", 0, schema::MaxPicturePath, true,  false, [](BoardState &s) -> FieldRef { return &s.homePicture; }},
    {BoardField::VisitorPicture,  FieldKind::Picture,    "visitor",    "visitor",    "pictures", 0, schema::MaxPicturePath, true,  false, [](BoardState &s) -> FieldRef { return &s.visitorPicture; }},
}};
// clang-format on

// A field of a state that is only read; the table's accessors take a state to write.
inline FieldRef fieldOf(const BoardState &state, const FieldSpec &spec)
{
    return spec.ref(const_cast<BoardState &>(state));
}

// Whether a field reads the same in both states, as a viewer would see it.
bool sameField(const BoardState &a, const BoardState &b, const FieldSpec &spec);
// The field's value of from, put into to.
void copyField(const BoardState &from, BoardState &to, const FieldSpec &spec);

} // namespace tallyard
