// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Typed entries of times and scores: characters are collected out of sight per display and
// take effect only when committed with Enter.

#include "platform/core/Values.h"

#include <QString>

class QObject;

namespace tallyard::modCount {

// Character codes of the board's entry logic (what KeyCodeToAsci gives).
inline constexpr qint16 ClearChar = 0;
inline constexpr qint16 EnterChar = 13;
inline constexpr qint16 SpaceChar = 32;
inline constexpr qint16 PointChar = 46;
inline constexpr qint16 PlusChar = 43;
inline constexpr qint16 MinusChar = 45;

inline bool isDigitChar(qint16 ch)
{
    return ch >= 0 && isAsciiDigit(static_cast<char32_t>(ch));
}

// Characters typed on one display, collected until committed. Digits typed on another
// display of the same kind are discarded: the display that takes a character claims the
// entry first.
struct TypedEntry {
    QString digits;
    QString owner; // the name of the display the digits were typed on

    void claim(const QObject *control);
    void clear()
    {
        digits.clear();
        owner.clear();
    }
};

// "No value": an entry that is absent or refused.
inline const Currency NoValue = Currency::fromInt(-1);

// Minutes, optionally "." and seconds (up to 99), optionally one digit of tenths; -1 when
// the text is not such a time. An empty text is 0.
Currency TypedTimeToSeconds(const QString &text);
// Feeds one character typed on a clock display; returns the committed seconds when Enter
// completes an entry of at most limit seconds, otherwise -1.
Currency TimeEntryKey(const QObject *control, qint16 ch, int32_t limit);
// Feeds one character typed on the score; returns the committed score (three decimals)
// when Enter completes an entry of at most maximum, otherwise -1.
Currency ScoreEntryKey(const QObject *control, qint16 ch, Currency maximum);

// The pending buffers and their owners, for tests.
QString timeDigits();
QString scoreDigits();
void resetState();

} // namespace tallyard::modCount
