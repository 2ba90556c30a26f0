// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/scoreboard/BoardFixture.h"

#include "scoreboard/forms/Forms.h"

using namespace tallyard;
using tallyard::test::BoardTest;

namespace {

TEST_F(BoardTest, RoutineKeyStartsAndStopsTheRoutineClockAndResetsFall)
{
    focus(board->tledRoutine);
    press(Qt::Key_R);
    EXPECT_TRUE(running(board->tkRoutine));
    EXPECT_FALSE(running(board->tkFall));
    now.advance(3000);
    tick();
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral("29:57"));
    // Fall runs meanwhile, then R again stops Routine and puts Fall back to its preset.
    press(Qt::Key_F);
    now.advance(4000);
    tick();
    press(Qt::Key_F);
    EXPECT_EQ(clock(board->tkFall), 26);
    press(Qt::Key_R);
    EXPECT_FALSE(running(board->tkRoutine));
    EXPECT_EQ(clock(board->tkFall), 30);
}

TEST_F(BoardTest, ShiftPlaysNoPartInACommand)
{
    focus(board->tledFall);
    press(Qt::Key_R, Qt::ShiftModifier);
    EXPECT_TRUE(running(board->tkRoutine));
}

TEST_F(BoardTest, FallKeyWithBothClocksStoppedStartsNothing)
{
    focus(board->nledGymnastNum);
    press(Qt::Key_F);
    EXPECT_FALSE(running(board->tkRoutine));
    EXPECT_FALSE(running(board->tkFall));
}

TEST_F(BoardTest, FallKeySwapsTheRunningClockAndFallKeepsItsTime)
{
    focus(board->tledRoutine);
    press(Qt::Key_R);
    now.advance(10000);
    tick();
    press(Qt::Key_F); // Routine stands, Fall runs
    EXPECT_FALSE(running(board->tkRoutine));
    EXPECT_TRUE(running(board->tkFall));
    const double routineAtFall = clock(board->tkRoutine);
    now.advance(7000);
    tick();
    press(Qt::Key_F); // Fall stands at what it reached, Routine goes on
    EXPECT_TRUE(running(board->tkRoutine));
    EXPECT_FALSE(running(board->tkFall));
    EXPECT_EQ(clock(board->tkFall), 23);
    EXPECT_EQ(clock(board->tkRoutine), routineAtFall);
    now.advance(5000);
    EXPECT_EQ(clock(board->tkRoutine), routineAtFall - 5);
}

TEST_F(BoardTest, WarmUpKeyStartsAndStopsWarmUpAlone)
{
    focus(board->tledWarmUp);
    press(Qt::Key_W);
    EXPECT_TRUE(running(board->tkWarmUp));
    EXPECT_FALSE(running(board->tkRoutine));
    now.advance(61000);
    tick();
    EXPECT_EQ(shown(board->tledWarmUp), QStringLiteral("28:59"));
    press(Qt::Key_W);
    EXPECT_FALSE(running(board->tkWarmUp));
}

TEST_F(BoardTest, ResetStopsTheClocksAtTheirPresetsAndClearsTheGymnast)
{
    focus(board->nledGymnastNum);
    type("42\n");
    focus(board->nledScoreLeft);
    type("9.5\n");
    EXPECT_EQ(caption(board->nledScoreLeft), 9);
    setPropertyByName(board->txtGymnastName, u"Text", QStringLiteral("Ana"));
    setPropertyByName(board->txtEvent, u"Text", QStringLiteral("Vault"));
    focus(board->tledRoutine);
    press(Qt::Key_R);
    press(Qt::Key_W);
    now.advance(5000);
    tick();
    press(Qt::Key_G);
    for (Control *keeper : {board->tkRoutine, board->tkFall, board->tkWarmUp})
        EXPECT_FALSE(running(keeper));
    EXPECT_EQ(clock(board->tkRoutine), 1800);
    EXPECT_EQ(clock(board->tkFall), 30);
    EXPECT_EQ(clock(board->tkWarmUp), 1800);
    EXPECT_EQ(text(board->txtEvent), QStringLiteral("Vault"));
    EXPECT_EQ(caption(board->nledGymnastNum), 0);
    EXPECT_EQ(text(board->txtGymnastName), QString());
    EXPECT_EQ(text(board->txtGymnastTeam), QString());
    EXPECT_EQ(caption(board->nledScoreLeft), 0);
    EXPECT_EQ(caption(board->nledScoreRight), 0);
    // No refresh of its own: the displays follow at the next tick.
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral("29:55"));
    tick();
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral("30:00"));
}

TEST_F(BoardTest, KeysTypedIntoATextBoxAreTextNotCommands)
{
    focus(board->txtGymnastName);
    setPropertyByName(board->txtGymnastName, u"Text", QString());
    QTest::keyClicks(focused(), QStringLiteral("Greta"));
    EXPECT_EQ(text(board->txtGymnastName), QStringLiteral("Greta"));
    EXPECT_FALSE(running(board->tkRoutine));
    EXPECT_FALSE(running(board->tkWarmUp));
    EXPECT_EQ(clock(board->tkFall), 30);
}

TEST_F(BoardTest, F1AndF2OpenHelpAndOptionsFromTheDisplays)
{
    int helps = 0;
    int options = 0;
    forms::setHelpOverride([&] { ++helps; });
    forms::setOptionsOverride([&](QWidget *owner) {
        ++options;
        EXPECT_EQ(owner, board);
        ColorRoutine = 0x123456; // what an OK would leave behind
    });
    focus(board->tledRoutine);
    press(Qt::Key_F1);
    press(Qt::Key_F2);
    EXPECT_EQ(helps, 1);
    EXPECT_EQ(options, 1);
    // After the dialog the board applies the settings again.
    EXPECT_EQ(getPropertyByName(board->tledRoutine, u"LitColor").toInt(), 0x123456);
    focus(board->txtEvent);
    press(Qt::Key_F1);
    EXPECT_EQ(helps, 1); // text boxes keep their keys
    forms::setHelpOverride({});
    forms::setOptionsOverride({});
}

TEST_F(BoardTest, ChimeKeySoundsTheBuzzer)
{
    const int before = board->buzzCount();
    focus(board->picScoreBack);
    press(Qt::Key_C);
    EXPECT_EQ(board->buzzCount(), before + 1);
}

TEST_F(BoardTest, AResetKeyEqualToTheClearKeyRunsOnce)
{
    // A hand-edited store may give both the same key; the reset must not recurse.
    KeyClear = KeyReset;
    focus(board->nledGymnastNum);
    type("7\n");
    focus(board->tledRoutine);
    press(Qt::Key_R);
    press(Qt::Key_G);
    EXPECT_FALSE(running(board->tkRoutine));
    EXPECT_EQ(caption(board->nledGymnastNum), 0);
    focus(board->nledScoreLeft);
    press(Qt::Key_G);
    EXPECT_EQ(caption(board->nledScoreLeft), 0);
}

TEST_F(BoardTest, AFailureInsideAKeyCommandLeavesTheBoardRunning)
{
    // A clock far beyond what a display can show makes the refresh overflow.
    setPropertyByName(board->tkRoutine, u"TimeSec", 3000000);
    focus(board->tledWarmUp);
    press(Qt::Key_W);
    EXPECT_TRUE(running(board->tkWarmUp));
    EXPECT_THROW(board->AllKeyCode(KeyWarmUp), OverflowError); // from code, it reaches the caller
    EXPECT_FALSE(running(board->tkWarmUp));
    press(Qt::Key_G);
    tick();
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral("30:00"));
}

TEST_F(BoardTest, AFailingRefreshTickLeavesTheBoardRunning)
{
    test::SwallowedFailures failures;
    setPropertyByName(board->tkRoutine, u"TimeSec", 3000000); // beyond what the display can show
    // The 50 ms timer ticks, and its refresh fails, again and again.
    ASSERT_TRUE(waitUntil([&] { return failures.count("Timer") >= 3; }));
    ASSERT_FALSE(board.isNull());
    EXPECT_TRUE(board->isVisible());
    focus(board->tledWarmUp);
    press(Qt::Key_G);
    press(Qt::Key_W);
    now.advance(2000);
    // The timer goes on ticking after the failures: it alone brings the display along.
    EXPECT_TRUE(waitUntil([&] { return shown(board->tledWarmUp) == QStringLiteral("29:58"); }));
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral("30:00"));
}

TEST_F(BoardTest, KeyCodesTranslateToEntryCharacters)
{
    struct Case {
        qint16 code;
        qint16 ch;
    };
    const Case cases[] = {{32, 32},   {13, 13},   {46, 0},    {48, '0'},  {57, '9'},  {96, '0'}, {105, '9'}, {107, '+'},
                          {187, '+'}, {109, '-'}, {189, '-'}, {110, '.'}, {190, '.'}, {65, -1},  {112, -1},  {45, -1}};
    for (const Case &c : cases)
        EXPECT_EQ(board->KeyCodeToAsci(c.code), c.ch) << c.code;
    KeyClear = 32; // Space is tested first
    EXPECT_EQ(board->KeyCodeToAsci(32), 32);
}

} // namespace
