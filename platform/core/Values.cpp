// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/core/Values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tallyard {

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

int16_t toInt16(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw OverflowError();
    return static_cast<int16_t>(r);
}

int32_t toInt32(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw OverflowError();
    return static_cast<int32_t>(r);
}

float toSingle(double value)
{
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        throw OverflowError();
    return static_cast<float>(value);
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Scans a number from the start of text. Returns the canonical ASCII form ("-12.5e3") and
// how many characters were used; digits tells whether the mantissa had any digit.
struct Scan {
    std::string number;
    qsizetype used = 0;
    bool digits = false;
};

Scan scanNumber(QStringView text, bool blanksInside)
{
    enum State { Start, Int, Frac, ExpStart, ExpSign, Exp };
    Scan scan;
    State state = Start;
    std::string exponent;
    qsizetype i = 0;
    // Leading blanks are always skipped.
    while (i < text.size() && isBlank(text[i]))
        ++i;
    scan.used = i;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isBlank(c)) {
            if (blanksInside)
                continue;
            break;
        }
        const char a = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\0';
        const bool digit = isAsciiDigit(static_cast<unsigned char>(a));
        const bool expMark = a == 'e' || a == 'E' || a == 'd' || a == 'D';
        bool taken = true;
        switch (state) {
        case Start:
            if (a == '+' || a == '-') {
                if (a == '-')
                    scan.number += '-';
                state = Int;
            } else if (digit) {
                scan.number += a;
                scan.digits = true;
                state = Int;
            } else if (a == '.') {
                scan.number += '.';
                state = Frac;
            } else {
                taken = false;
            }
            break;
        case Int:
        case Frac:
            if (digit) {
                scan.number += a;
                scan.digits = true;
            } else if (a == '.' && state == Int) {
                scan.number += '.';
                state = Frac;
            } else if (expMark && scan.digits) {
                exponent.clear();
                exponent.push_back('e');
                state = ExpStart;
            } else {
                taken = false;
            }
            break;
        case ExpStart:
            if (a == '+' || a == '-') {
                exponent += a;
                state = ExpSign;
            } else if (digit) {
                exponent += a;
                state = Exp;
            } else {
                taken = false;
            }
            break;
        case ExpSign:
        case Exp:
            if (digit) {
                exponent += a;
                state = Exp;
            } else {
                taken = false;
            }
            break;
        }
        if (!taken)
            break;
        if (state != ExpStart && state != ExpSign)
            scan.used = i + 1;
    }
    if (state == Exp)
        scan.number += exponent;
    return scan;
}

// The power of ten of the first significant digit of a canonical number ("0.004" gives -3,
// "12e5" gives 6): which side of the range a number that does not fit lies on. Both the
// digits and the exponent may run to hundreds of characters, so neither alone decides.
int64_t decimalExponent(const std::string &number)
{
    const std::size_t e = std::min(number.find('e'), number.size());
    const std::size_t point = std::min(number.find('.'), e);
    const std::size_t first = number.find_first_of("123456789");
    if (first >= e)
        return 0; // no significant digit: zero
    int64_t exponent = first < point ? static_cast<int64_t>(point - first) - 1 : -static_cast<int64_t>(first - point);
    // The written exponent, saturated well beyond any double's.
    int64_t written = 0;
    for (std::size_t i = e + 1; i < number.size(); ++i) {
        if (isAsciiDigit(static_cast<unsigned char>(number[i])))
            written = std::min<int64_t>(written * 10 + (number[i] - '0'), 1000000000);
    }
    exponent += e + 1 < number.size() && number[e + 1] == '-' ? -written : written;
    return exponent;
}

double toDouble(const std::string &number)
{
    const char *first = number.data();
    const char *last = first + number.size();
    double value = 0.0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; only a value too large is an overflow.
        if (decimalExponent(number) < 0)
            return 0.0;
        throw OverflowError();
    }
    return value;
}

// Rounds a decimal digit string (whole part, fraction) half away from zero to at most
// maxDecimals, trims trailing zeros down to minDecimals and pads the whole part to minWhole.
QString formatDigits(bool negative, std::string whole, std::string frac, int minWhole, int minDecimals, int maxDecimals)
{
    if (static_cast<int>(frac.size()) > maxDecimals) {
        const bool up = frac[static_cast<std::size_t>(maxDecimals)] >= '5';
        frac.resize(static_cast<std::size_t>(maxDecimals));
        if (up) {
            std::string all = whole + frac;
            int i = static_cast<int>(all.size()) - 1;
            while (i >= 0 && all[static_cast<std::size_t>(i)] == '9') {
                all[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0)
                all = '1' + all;
            else
                ++all[static_cast<std::size_t>(i)];
            whole = all.substr(0, all.size() - frac.size());
            frac = all.substr(all.size() - frac.size());
        }
    }
    while (static_cast<int>(frac.size()) > minDecimals && !frac.empty() && frac.back() == '0')
        frac.pop_back();
    while (static_cast<int>(frac.size()) < minDecimals)
        frac += '0';
    std::size_t lead = whole.find_first_not_of('0');
    whole = lead == std::string::npos ? std::string() : whole.substr(lead);
    if (static_cast<int>(whole.size()) < minWhole)
        whole = std::string(static_cast<std::size_t>(minWhole) - whole.size(), '0') + whole;
    const bool nonZero = (whole + frac).find_first_not_of('0') != std::string::npos;
    QString out;
    if (negative && nonZero)
        out += u'-';
    out += QString::fromLatin1(whole);
    if (!frac.empty())
        out += u'.' + QString::fromLatin1(frac);
    return out;
}

struct Pattern {
    int minWhole = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

Pattern parsePattern(QStringView pattern)
{
    Pattern p;
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView whole = point < 0 ? pattern : pattern.left(point);
    p.minWhole = static_cast<int>(whole.count(u'0'));
    if (point >= 0) {
        const QStringView frac = pattern.mid(point + 1);
        p.minDecimals = static_cast<int>(frac.count(u'0'));
        p.maxDecimals = p.minDecimals + static_cast<int>(frac.count(u'#'));
    }
    return p;
}

// 15 significant digits of a double as (negative, whole digits, fraction digits).
void significantDigits(double value, int precision, bool &negative, std::string &whole, std::string &frac)
{
    negative = std::signbit(value) && value != 0.0;
    char buf[64];
    const auto res
        = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, precision - 1);
    std::string sci(buf, res.ptr);
    const std::size_t e = sci.find('e');
    std::string digits = sci.substr(0, e);
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    const int exponent = std::stoi(sci.substr(e + 1));
    int pointPos = exponent + 1;
    if (pointPos <= 0) {
        digits = std::string(static_cast<std::size_t>(-pointPos), '0') + digits;
        pointPos = 0;
    }
    while (static_cast<int>(digits.size()) < pointPos)
        digits += '0';
    whole = digits.substr(0, static_cast<std::size_t>(pointPos));
    frac = digits.substr(static_cast<std::size_t>(pointPos));
}

QString plainText(double value, int precision)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NaN") : (value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf"));
    const double magnitude = std::fabs(value);
    if (magnitude >= std::pow(10.0, precision) || magnitude < 1e-5) {
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, precision - 1);
        std::string sci(buf, res.ptr);
        const std::size_t e = sci.find('e');
        std::string mant = sci.substr(0, e);
        if (mant.find('.') != std::string::npos) {
            while (mant.back() == '0')
                mant.pop_back();
            if (mant.back() == '.')
                mant.pop_back();
        }
        const int exponent = std::stoi(sci.substr(e + 1));
        return QString::fromLatin1(mant) + (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+"))
            + QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    }
    bool negative = false;
    std::string whole, frac;
    significantDigits(value, precision, negative, whole, frac);
    return formatDigits(negative, whole, frac, 1, 0, static_cast<int>(frac.size()));
}

} // namespace

double numericValue(QStringView text)
{
    const Scan scan = scanNumber(text, true);
    if (!scan.digits)
        return 0.0;
    return toDouble(scan.number);
}

bool parseNumber(QStringView text, double &value)
{
    const Scan scan = scanNumber(text, false);
    if (!scan.digits)
        return false;
    for (qsizetype i = scan.used; i < text.size(); ++i) {
        if (!isBlank(text[i]))
            return false;
    }
    value = toDouble(scan.number);
    return true;
}

Currency Currency::fromInt(int64_t whole)
{
    if (whole > std::numeric_limits<int64_t>::max() / Scale || whole < std::numeric_limits<int64_t>::min() / Scale)
        throw OverflowError();
    return Currency(whole * Scale);
}

Currency Currency::fromDouble(double value)
{
    const double scaled = roundHalfEven(value * Scale);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0))
        throw OverflowError();
    return Currency(static_cast<int64_t>(scaled));
}

QString Currency::toString() const
{
    return formatNumber(*this, u"0.####");
}

Currency Currency::operator+(Currency other) const
{
    // Checked before adding: a signed overflow is undefined, and every compiler must see that.
    constexpr int64_t most = std::numeric_limits<int64_t>::max();
    constexpr int64_t least = std::numeric_limits<int64_t>::min();
    if ((other.m_raw > 0 && m_raw > most - other.m_raw) || (other.m_raw < 0 && m_raw < least - other.m_raw))
        throw OverflowError();
    return Currency(m_raw + other.m_raw);
}

Currency Currency::operator-(Currency other) const
{
    constexpr int64_t most = std::numeric_limits<int64_t>::max();
    constexpr int64_t least = std::numeric_limits<int64_t>::min();
    if ((other.m_raw < 0 && m_raw > most + other.m_raw) || (other.m_raw > 0 && m_raw < least + other.m_raw))
        throw OverflowError();
    return Currency(m_raw - other.m_raw);
}

Currency Currency::operator-() const
{
    if (m_raw == std::numeric_limits<int64_t>::min())
        throw OverflowError();
    return Currency(-m_raw);
}

QString formatNumber(double value, QStringView pattern)
{
    const Pattern p = parsePattern(pattern);
    if (!std::isfinite(value))
        return plainText(value, 15);
    bool negative = false;
    std::string whole, frac;
    significantDigits(value, 15, negative, whole, frac);
    return formatDigits(negative, whole, frac, p.minWhole, p.minDecimals, p.maxDecimals);
}

QString formatNumber(Currency value, QStringView pattern)
{
    const Pattern p = parsePattern(pattern);
    const int64_t raw = value.raw();
    // The magnitude of INT64_MIN does not fit in int64_t; unsigned arithmetic does.
    const uint64_t magnitude = raw < 0 ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
    std::string whole = std::to_string(magnitude / Currency::Scale);
    std::string frac = std::to_string(magnitude % Currency::Scale);
    frac = std::string(4 - frac.size(), '0') + frac;
    return formatDigits(raw < 0, whole, frac, p.minWhole, p.minDecimals, p.maxDecimals);
}

QString numberToText(double value)
{
    return plainText(value, 15);
}

QString singleToText(float value)
{
    return plainText(static_cast<double>(value), 7);
}

} // namespace tallyard
