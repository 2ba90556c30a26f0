// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "components/SevenSegment.h"

#include <QLineF>

#include <gtest/gtest.h>

#include <string>

using namespace tallyard::sevenseg;

namespace {

// "abdeg" -> A | B | D | E | G
uint8_t segments(const std::string &letters)
{
    uint8_t mask = 0;
    for (const char c : letters)
        mask |= static_cast<uint8_t>(1u << (c - 'a'));
    return mask;
}

struct GlyphCase {
    char32_t character;
    const char *lit;
};

// How every digit must look: the segments an audience expects to see lit.
const GlyphCase Digits[] = {
    {U'0', "abcdef"}, {U'1', "bc"},     {U'2', "abdeg"}, {U'3', "abcdg"},   {U'4', "bcfg"},
    {U'5', "acdfg"},  {U'6', "acdefg"}, {U'7', "abc"},   {U'8', "abcdefg"}, {U'9', "abcdfg"},
};

TEST(SevenSegmentTable, EveryDigitLightsItsSegments)
{
    for (const GlyphCase &c : Digits) {
        const int digit = static_cast<int>(c.character - U'0');
        EXPECT_EQ(digitMask(digit), segments(c.lit)) << "digit " << digit;
        EXPECT_EQ(characterMask(c.character), segments(c.lit)) << "character " << digit;
    }
    EXPECT_EQ(MinusMask, segments("g"));
    EXPECT_EQ(characterMask(U'-'), segments("g"));
    EXPECT_EQ(HalfDigitSegments, digitMask(1));
}

TEST(SevenSegmentTable, NoTwoDigitsLookAlike)
{
    for (int i = 0; i < 10; ++i)
        for (int j = i + 1; j < 10; ++j)
            EXPECT_NE(digitMask(i), digitMask(j)) << i << " and " << j;
}

TEST(SevenSegmentTable, CharactersWithoutAGlyphStayDark)
{
    EXPECT_EQ(digitMask(-1), 0);
    EXPECT_EQ(digitMask(10), 0);
    for (const char32_t c : {U' ', U'?', U'K', U'M', U'W', U'\u00e9', U'\0'})
        EXPECT_EQ(characterMask(c), 0) << static_cast<int>(c);
    EXPECT_EQ(characterMask(U'A'), segments("abcefg"));
    EXPECT_EQ(characterMask(U'E'), segments("adefg"));
    EXPECT_EQ(characterMask(U'b'), segments("cdefg"));
}

TEST(SevenSegmentTable, RatiosGiveTheDigitWidth)
{
    EXPECT_DOUBLE_EQ(tallyard::led::widthPerHeight(tallyard::led::Size_H5_W3), 3.0 / 5.0);
    EXPECT_DOUBLE_EQ(tallyard::led::widthPerHeight(tallyard::led::Size_H7_W4), 4.0 / 7.0);
    EXPECT_DOUBLE_EQ(tallyard::led::widthPerHeight(tallyard::led::Size_H9_W5), 5.0 / 9.0);
    EXPECT_DOUBLE_EQ(tallyard::led::widthPerHeight(tallyard::led::Size_H11_W6), 6.0 / 11.0);
    EXPECT_DOUBLE_EQ(tallyard::led::widthPerHeight(tallyard::led::Size_H13_W7), 7.0 / 13.0);
    EXPECT_DOUBLE_EQ(tallyard::led::widthPerHeight(0), 4.0 / 7.0);
    EXPECT_DOUBLE_EQ(tallyard::led::widthPerHeight(75), 4.0 / 7.0);
}

TEST(SevenSegmentColours, UnlitSegmentsAreAFaintMixOfTheLitColour)
{
    const QColor dim = unlitColor(QColor(0, 200, 0), QColor(0, 0, 0));
    EXPECT_EQ(dim.red(), 0);
    EXPECT_GE(dim.green(), 20);
    EXPECT_LE(dim.green(), 30);
    // Over a light background the mix stays close to the background.
    const QColor overGrey = unlitColor(QColor(255, 0, 0), QColor(100, 100, 100));
    EXPECT_GT(overGrey.red(), 100);
    EXPECT_LT(overGrey.red(), 125);
    EXPECT_LT(overGrey.green(), 100);
}

struct GeometryCase {
    double height;
    int32_t ratio;
};

class SevenSegmentGeometry : public ::testing::TestWithParam<GeometryCase> {
protected:
    QSizeF box() const
    {
        return {GetParam().height * tallyard::led::widthPerHeight(GetParam().ratio), GetParam().height};
    }
};

TEST_P(SevenSegmentGeometry, BarsStayInsideTheirDigitAndApartFromEachOther)
{
    DigitPainter painter;
    painter.prepare(box(), 0);
    const QRectF digit(QPointF(0, 0), box());
    for (int s = 0; s < SegmentCount; ++s) {
        const QPainterPath &bar = painter.segmentPath(s);
        ASSERT_FALSE(bar.isEmpty()) << "segment " << s;
        EXPECT_TRUE(digit.contains(bar.boundingRect())) << "segment " << s;
        for (int t = s + 1; t < SegmentCount; ++t)
            EXPECT_FALSE(bar.intersects(painter.segmentPath(t))) << "segments " << s << " and " << t << " touch";
    }
    // The narrow leading position of a 2 1/2-digit display holds the right-hand bars.
    const double halfLeft = box().width() - halfDigitWidth(box().width(), box().height());
    EXPECT_GT(painter.segmentPath(1).boundingRect().left(), halfLeft);
    EXPECT_GT(painter.segmentPath(2).boundingRect().left(), halfLeft);
    // The middle bar sits halfway down; the top and bottom bars are mirror images.
    EXPECT_NEAR(painter.segmentPath(6).boundingRect().center().y(), box().height() / 2, 1e-9);
    EXPECT_NEAR(painter.segmentPath(0).boundingRect().height(), painter.segmentPath(3).boundingRect().height(), 1e-9);
}

TEST_P(SevenSegmentGeometry, LampsAreEvenlySpacedAndNeverTouch)
{
    DigitPainter painter;
    painter.prepare(box(), 1);
    const QRectF digit(QPointF(0, 0), box());
    const double d = painter.lampDiameter();
    ASSERT_GT(d, 0.0);
    for (int s = 0; s < SegmentCount; ++s) {
        const std::vector<QPointF> lamps = painter.lampCentres(s);
        ASSERT_GE(lamps.size(), 3u) << "segment " << s;
        const double pitch = QLineF(lamps[0], lamps[1]).length();
        EXPECT_GT(pitch, d) << "segment " << s;
        for (size_t i = 0; i + 1 < lamps.size(); ++i)
            EXPECT_NEAR(QLineF(lamps[i], lamps[i + 1]).length(), pitch, 1e-9) << "segment " << s << " lamp " << i;
        for (const QPointF &c : lamps)
            EXPECT_TRUE(digit.contains(QRectF(c.x() - d / 2, c.y() - d / 2, d, d))) << "segment " << s;
    }
    // A vertical half has as many lamps on the left as on the right.
    EXPECT_EQ(painter.lampCentres(1).size(), painter.lampCentres(5).size());
}

INSTANTIATE_TEST_SUITE_P(SizesAndRatios, SevenSegmentGeometry,
                         ::testing::Values(GeometryCase{12, 74}, GeometryCase{45, 74}, GeometryCase{59, 53},
                                           GeometryCase{90, 95}, GeometryCase{90, 116}, GeometryCase{400, 137}));

TEST(SevenSegmentGeometryChange, ShapesFollowANewSizeOrStyle)
{
    DigitPainter painter;
    painter.prepare(QSizeF(40, 70), 0);
    const QRectF small = painter.segmentPath(0).boundingRect();
    painter.prepare(QSizeF(80, 140), 0);
    EXPECT_NEAR(painter.segmentPath(0).boundingRect().width(), 2 * small.width(), 1.0);
    painter.invalidate();
    EXPECT_FALSE(painter.isReady());
    painter.prepare(QSizeF(80, 140), 1);
    EXPECT_TRUE(painter.isReady());
    EXPECT_GT(painter.lampDiameter(), 0.0);
}

} // namespace
