// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/scoreboard/BoardFixture.h"

#include <QLocale>

using namespace tallyard;
using tallyard::test::BoardTest;

namespace {

struct ScoreCase {
    const char *keys;
    int points; // -1: the score stays as it was
    int thousandths;
    friend void PrintTo(const ScoreCase &c, std::ostream *os) { *os << '"' << c.keys << '"'; }
};

class ScoreEntry : public BoardTest, public ::testing::WithParamInterface<ScoreCase> { };

TEST_P(ScoreEntry, EnterShowsPointsAndThousandths)
{
    const ScoreCase c = GetParam();
    focus(board->nledScoreLeft);
    type("7.5\n");
    focus(board->nledScoreLeft);
    type(c.keys);
    press(Qt::Key_Return);
    if (c.points < 0) {
        EXPECT_EQ(caption(board->nledScoreLeft), 7);
        EXPECT_EQ(caption(board->nledScoreRight), 500);
    } else {
        EXPECT_EQ(caption(board->nledScoreLeft), c.points);
        EXPECT_EQ(caption(board->nledScoreRight), c.thousandths);
    }
    EXPECT_EQ(modCount::scoreDigits(), QString());
}

INSTANTIATE_TEST_SUITE_P(Scores, ScoreEntry,
                         ::testing::Values(ScoreCase{"9.85", 9, 850}, ScoreCase{"19.999", 19, 999},
                                           ScoreCase{"20", -1, 0}, ScoreCase{"", 0, 0}, ScoreCase{"9.8765", 9, 877},
                                           ScoreCase{"1.2.3", 1, 200}, ScoreCase{"9 8", 8, 0},
                                           ScoreCase{"10.005", 10, 5}, ScoreCase{"19.9995", -1, 0},
                                           ScoreCase{".5", 0, 500}, ScoreCase{"99999999999999999999", -1, 0}));

TEST_F(BoardTest, ClearShowsZeroAndKeepsThePendingDigits)
{
    focus(board->nledScoreLeft);
    type("9.8\n");
    type("1");
    press(Qt::Key_Delete);
    EXPECT_EQ(caption(board->nledScoreLeft), 0);
    EXPECT_EQ(caption(board->nledScoreRight), 0);
    type("2\n");
    EXPECT_EQ(caption(board->nledScoreLeft), 12);
}

TEST_F(BoardTest, KeysOnTheRightScoreDisplayActAsOnTheLeft)
{
    QTest::keyClick(board->nledScoreRight, Qt::Key_9);
    QTest::keyClick(board->nledScoreRight, Qt::Key_Period);
    QTest::keyClick(board->nledScoreRight, Qt::Key_7);
    QTest::keyClick(board->nledScoreRight, Qt::Key_Return);
    EXPECT_EQ(caption(board->nledScoreLeft), 9);
    EXPECT_EQ(caption(board->nledScoreRight), 700);
    QTest::keyClick(board->nledScoreRight, Qt::Key_R);
    EXPECT_TRUE(running(board->tkRoutine));
}

TEST_F(BoardTest, TheRightScoreDisplayPassesTheFocusToTheLeft)
{
    focus(board->nledScoreRight);
    EXPECT_TRUE(focused() == board->nledScoreLeft || board->nledScoreLeft->isAncestorOf(focused()));
    // The outline frames the whole score box.
    EXPECT_EQ(board->shpObjectSelected->Left(), board->picScoreBack->Left());
    EXPECT_EQ(board->shpObjectSelected->Top(), board->picScoreBack->Top());
}

TEST_F(BoardTest, TheScoreIgnoresACommaDecimalLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    focus(board->nledScoreLeft);
    type("9.85\n");
    EXPECT_EQ(caption(board->nledScoreLeft), 9);
    EXPECT_EQ(caption(board->nledScoreRight), 850);
    QLocale::setDefault(saved);
}

TEST_F(BoardTest, GymnastNumberCommitsWithEnterOrASignAndADigit)
{
    focus(board->nledGymnastNum);
    const auto shownNow = [this] { return caption(board->nledGymnastNum); };
    type("12");
    EXPECT_EQ(shownNow(), 0); // nothing shows before Enter
    type("\n");
    EXPECT_EQ(shownNow(), 12);
    type("+3");
    EXPECT_EQ(shownNow(), 15); // at once
    type("-9");
    EXPECT_EQ(shownNow(), 6);
    type("12345\n");
    EXPECT_EQ(shownNow(), 6); // above 9999
    type("\n");
    EXPECT_EQ(shownNow(), 6); // nothing pending
    type("3\n-5");
    EXPECT_EQ(shownNow(), 3); // would be -2
    type("1\n-2");
    EXPECT_EQ(shownNow(), -1); // no number
    type("+4");
    EXPECT_EQ(shownNow(), 4); // no number counts as 0
    type("0123\n");
    EXPECT_EQ(shownNow(), 123);
    press(Qt::Key_Delete);
    EXPECT_EQ(shownNow(), -1);
}

// More digits than a double holds: the entry is refused like any number above the maximum
// and forgotten, so the next entry on the same display works.
TEST_F(BoardTest, AnEntryTooLongForANumberIsRefusedAndForgotten)
{
    const std::string digits(400, '7');
    focus(board->nledScoreLeft);
    type("9.85\n");
    type((digits + "\n").c_str());
    EXPECT_EQ(caption(board->nledScoreLeft), 9);
    EXPECT_EQ(caption(board->nledScoreRight), 850);
    EXPECT_EQ(modCount::scoreDigits(), QString());
    type("7.5\n");
    EXPECT_EQ(caption(board->nledScoreLeft), 7);
    EXPECT_EQ(caption(board->nledScoreRight), 500);

    focus(board->nledGymnastNum);
    type("12\n");
    type((digits + "\n").c_str());
    EXPECT_EQ(caption(board->nledGymnastNum), 12);
    EXPECT_EQ(modShowDigits::numberDigits(), QString());
    type("34\n");
    EXPECT_EQ(caption(board->nledGymnastNum), 34);
}

} // namespace
