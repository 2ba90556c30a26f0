// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/core/Properties.h"
#include "platform/core/Values.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

using namespace tallyard;

namespace {

struct Int16Case {
    double in;
    int expected; // INT32_MIN marks an overflow
    friend void PrintTo(const Int16Case &c, std::ostream *os) { *os << c.in; }
};
constexpr int Overflows = INT32_MIN;

class Int16Conversion : public ::testing::TestWithParam<Int16Case> { };

TEST_P(Int16Conversion, RoundsHalfToEvenAndChecksTheRange)
{
    const Int16Case c = GetParam();
    if (c.expected == Overflows)
        EXPECT_THROW(toInt16(c.in), OverflowError) << c.in;
    else
        EXPECT_EQ(toInt16(c.in), c.expected) << c.in;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, Int16Conversion,
                         ::testing::Values(Int16Case{32767, 32767}, Int16Case{32768, Overflows},
                                           Int16Case{-32768, -32768}, Int16Case{-32769, Overflows},
                                           Int16Case{32767.4, 32767}, Int16Case{32767.5, Overflows},
                                           Int16Case{-32768.5, -32768}, Int16Case{0.5, 0}, Int16Case{1.5, 2},
                                           Int16Case{2.5, 2}, Int16Case{90.5, 90}, Int16Case{-0.5, 0},
                                           Int16Case{-1.5, -2}, Int16Case{NAN, Overflows}));

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(90.5), 90.0);
    EXPECT_EQ(roundHalfEven(757.5), 758.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(59.1 + 0.4999), 60.0);
    EXPECT_EQ(roundHalfEven(59.0 + 0.4999), 59.0);
}

TEST(Int32Conversion, ChecksItsRange)
{
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_THROW(toInt32(2147483648.0), OverflowError);
    EXPECT_EQ(toInt32(-2147483648.0), INT32_MIN);
}

struct ValCase {
    const char16_t *text;
    double expected;
    friend void PrintTo(const ValCase &c, std::ostream *os)
    {
        *os << '"' << QString::fromUtf16(c.text).toStdString() << '"';
    }
};

class NumericValue : public ::testing::TestWithParam<ValCase> { };

TEST_P(NumericValue, ReadsLikeANumericLiteral)
{
    const ValCase c = GetParam();
    EXPECT_DOUBLE_EQ(numericValue(QStringView(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericValue,
                         ::testing::Values(ValCase{u" 1 2.5x", 12.5}, ValCase{u"", 0}, ValCase{u"abc", 0},
                                           ValCase{u".5", 0.5}, ValCase{u"-.5", -0.5}, ValCase{u"60", 60},
                                           ValCase{u"0.1", 0.1}, ValCase{u"2,2", 2}, ValCase{u"1.2.3", 1.2},
                                           ValCase{u"  -  7", -7}, ValCase{u"+3", 3}, ValCase{u"1e3", 1000},
                                           ValCase{u"1E", 1}, ValCase{u"2d2", 200}, ValCase{u"5-", 5},
                                           ValCase{u"\t4\n2", 42}, ValCase{u"-", 0}, ValCase{u".", 0}));

TEST(NumericValue, ReadsAThirtyDigitStringAsALargeNumber)
{
    EXPECT_DOUBLE_EQ(numericValue(u"123456789012345678901234567890"), 1.2345678901234568e29);
}

TEST(NumericValue, ANumberBeyondDoubleOverflows)
{
    EXPECT_THROW(numericValue(u"1e999"), OverflowError);
    EXPECT_EQ(numericValue(u"1e-999"), 0.0);
}

// Which side of double's range a number lies on is decided by digits and exponent together:
// four hundred zeros after the point are tiny, four hundred digits before a small negative
// exponent are huge.
TEST(NumericValue, TooSmallReadsAsZeroAndTooLargeOverflowsWhateverTheNotation)
{
    const QString zeros(400, u'0');
    EXPECT_EQ(numericValue(QStringLiteral("0.") + zeros + QStringLiteral("1")), 0.0);
    EXPECT_EQ(numericValue(QStringLiteral("-.") + zeros + QStringLiteral("5e2")), 0.0);
    EXPECT_EQ(numericValue(QStringLiteral("0.") + zeros + QStringLiteral("1e399")), 1e-2);
    EXPECT_THROW(numericValue(QStringLiteral("1") + zeros + QStringLiteral("e-10")), OverflowError);
    EXPECT_THROW(numericValue(QStringLiteral("0.1e") + zeros + QStringLiteral("400")), OverflowError);
    double value = -1;
    EXPECT_TRUE(parseNumber(QStringLiteral("0.") + zeros + QStringLiteral("1"), value));
    EXPECT_EQ(value, 0.0);
}

TEST(NumericValue, IgnoresTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_DOUBLE_EQ(numericValue(u"9.85"), 9.85);
    EXPECT_EQ(formatNumber(9.85, u"#0.000"), QStringLiteral("9.850"));
    QLocale::setDefault(saved);
}

TEST(ParseNumber, AcceptsOnlyAWholeNumberText)
{
    double v = 0;
    EXPECT_TRUE(parseNumber(u" 42 ", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(parseNumber(u"-1.5", v));
    EXPECT_EQ(v, -1.5);
    EXPECT_FALSE(parseNumber(u"1 2", v));
    EXPECT_FALSE(parseNumber(u"12x", v));
    EXPECT_FALSE(parseNumber(u"", v));
    EXPECT_FALSE(parseNumber(u"abc", v));
}

TEST(Currency, KeepsTenThousandthsAndPrintsWithoutTrailingZeros)
{
    EXPECT_EQ(Currency::fromDouble(90).toString(), QStringLiteral("90"));
    EXPECT_EQ(Currency::fromDouble(0.1).toString(), QStringLiteral("0.1"));
    EXPECT_EQ(Currency::fromDouble(-12.25).toString(), QStringLiteral("-12.25"));
    EXPECT_EQ(Currency::fromDouble(1.23456).raw(), 12346);
    EXPECT_EQ(Currency().toString(), QStringLiteral("0"));
}

TEST(Currency, ArithmeticAndConversionOverflowAreErrors)
{
    const Currency top = Currency::fromRaw(INT64_MAX);
    EXPECT_THROW(top + Currency::fromRaw(1), OverflowError);
    EXPECT_THROW(Currency::fromRaw(INT64_MIN) - Currency::fromRaw(1), OverflowError);
    EXPECT_THROW(-Currency::fromRaw(INT64_MIN), OverflowError);
    EXPECT_THROW(Currency::fromDouble(1e20), OverflowError);
    EXPECT_THROW(Currency::fromInt(INT64_MAX / 1000), OverflowError);
    EXPECT_EQ(formatNumber(Currency::fromRaw(INT64_MIN), u"0.0000"), QStringLiteral("-922337203685477.5808"));
}

struct FormatCase {
    double value;
    const char16_t *pattern;
    const char16_t *expected;
    friend void PrintTo(const FormatCase &c, std::ostream *os)
    {
        *os << c.value << ' ' << QString::fromUtf16(c.pattern).toStdString();
    }
};

class Formatting : public ::testing::TestWithParam<FormatCase> { };

TEST_P(Formatting, PatternGivesDigitsWithAPoint)
{
    const FormatCase c = GetParam();
    EXPECT_EQ(formatNumber(c.value, QStringView(c.pattern)), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Patterns, Formatting,
                         ::testing::Values(FormatCase{9.85, u"#0.000", u"9.850"}, FormatCase{0, u"#0.000", u"0.000"},
                                           FormatCase{10.005, u"#0.000", u"10.005"},
                                           FormatCase{9.8765, u"0.000", u"9.877"},
                                           FormatCase{19.9995, u"0.000", u"20.000"},
                                           FormatCase{1.2, u"0.000", u"1.200"}, FormatCase{0.5, u"0", u"1"},
                                           FormatCase{1e20, u"0.000", u"100000000000000000000.000"},
                                           FormatCase{-0.0001, u"0.000", u"0.000"}, FormatCase{-2.5, u"#0.0", u"-2.5"},
                                           FormatCase{0.25, u"0.0###", u"0.25"}));

TEST(Formatting, CurrencyIsFormattedExactly)
{
    EXPECT_EQ(formatNumber(Currency::fromRaw(98765), u"0.000"), QStringLiteral("9.877"));
    EXPECT_EQ(formatNumber(Currency::fromRaw(199990), u"#0.000"), QStringLiteral("19.999"));
    EXPECT_EQ(formatNumber(Currency::fromRaw(199995), u"#0.000"), QStringLiteral("20.000"));
}

TEST(NumberText, PrintsLikeThePlainStringConversion)
{
    EXPECT_EQ(numberToText(90), QStringLiteral("90"));
    EXPECT_EQ(numberToText(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(numberToText(-3), QStringLiteral("-3"));
    EXPECT_EQ(numberToText(1e20), QStringLiteral("1E+20"));
    EXPECT_EQ(singleToText(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(singleToText(65.7f), QStringLiteral("65.7"));
}

} // namespace
