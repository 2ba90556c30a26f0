// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The value rules the board's arithmetic depends on: checked 16/32-bit conversions,
// round-half-to-even, a fixed-point Currency, lenient number reading and locale-free
// formatting. Every number the operator types or the clocks compute passes through here.

#include "tallyard_core_export.h"

#include <QMetaType>
#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <stdexcept>

namespace tallyard {

// A failure inside a property or procedure. Hosts catch these at their event boundaries.
class TALLYARD_CORE_EXPORT RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const char *what) : std::runtime_error(what), m_number(number) { }
    int number() const noexcept { return m_number; }

private:
    int m_number;
};

class TALLYARD_CORE_EXPORT OverflowError : public RuntimeError {
public:
    OverflowError() : RuntimeError(6, "Overflow") { }
};

class TALLYARD_CORE_EXPORT InvalidArgument : public RuntimeError {
public:
    InvalidArgument() : RuntimeError(5, "Invalid procedure call or argument") { }
};

class TALLYARD_CORE_EXPORT SubscriptOutOfRange : public RuntimeError {
public:
    SubscriptOutOfRange() : RuntimeError(9, "Subscript out of range") { }
};

class TALLYARD_CORE_EXPORT TypeMismatch : public RuntimeError {
public:
    TypeMismatch() : RuntimeError(13, "Type mismatch") { }
};

class TALLYARD_CORE_EXPORT MemberNotFound : public RuntimeError {
public:
    MemberNotFound() : RuntimeError(438, "Object doesn't support this property or method") { }
};

// "0" to "9" and nothing else: not the other scripts' digits QChar::isDigit also takes.
constexpr bool isAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// Nearest whole number, a tie going to the even one: 0.5 -> 0, 1.5 -> 2, 90.5 -> 90.
TALLYARD_CORE_EXPORT double roundHalfEven(double value);

// Rounded half to even, then range-checked; out of range (or NaN) throws OverflowError.
TALLYARD_CORE_EXPORT int16_t toInt16(double value);
TALLYARD_CORE_EXPORT int32_t toInt32(double value);
// Narrowing to single precision; a finite value beyond float's range throws OverflowError.
TALLYARD_CORE_EXPORT float toSingle(double value);

// The numeric value of a text, read like a numeric literal: blanks anywhere are skipped,
// an optional sign, digits with at most one ".", an optional exponent (E or D); reading
// stops at the first character that cannot continue the number; no number reads as 0.
// " 1 2.5x" reads 12.5. A value beyond double's range throws OverflowError.
TALLYARD_CORE_EXPORT double numericValue(QStringView text);

// Strict reading: the whole text (leading and trailing blanks aside) must be one number.
TALLYARD_CORE_EXPORT bool parseNumber(QStringView text, double &value);

// Signed 64-bit count of ten-thousandths. All arithmetic is checked.
class TALLYARD_CORE_EXPORT Currency {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(int64_t raw) { return Currency(raw); }
    static Currency fromInt(int64_t whole);
    // Rounded half to even at the fourth decimal; out of range throws OverflowError.
    static Currency fromDouble(double value);

    constexpr int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }
    // Plain decimal text without trailing zeros: "90", "0.1", "-12.25".
    QString toString() const;

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    constexpr auto operator<=>(const Currency &) const = default;

private:
    constexpr explicit Currency(int64_t raw) : m_raw(raw) { }
    int64_t m_raw = 0;
};

// Locale-free formatting with a pattern of the "#0.000" kind: the count of "0" before the
// point is the least number of whole digits, the "0"/"#" after it the decimals. Rounding
// to the shown decimals goes half away from zero on the value's 15 significant digits.
// The point is always ".", whatever the locale.
TALLYARD_CORE_EXPORT QString formatNumber(double value, QStringView pattern);
TALLYARD_CORE_EXPORT QString formatNumber(Currency value, QStringView pattern);

// Plain text of a number as the old runtime's string conversion gave it: "90", "0.5",
// "-3", with up to 15 significant digits (7 for a single).
TALLYARD_CORE_EXPORT QString numberToText(double value);
TALLYARD_CORE_EXPORT QString singleToText(float value);

} // namespace tallyard

// Currency travels in QVariant, as clock times and scores do between controls.
Q_DECLARE_METATYPE(tallyard::Currency)
