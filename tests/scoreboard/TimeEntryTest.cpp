// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/scoreboard/BoardFixture.h"

using namespace tallyard;
using tallyard::test::BoardTest;

namespace {

struct EntryCase {
    const char *display; // "Routine", "Fall" or "WarmUp"
    const char *keys;
    double seconds; // -1: refused, the clock keeps its time
    int preset;
    friend void PrintTo(const EntryCase &c, std::ostream *os) { *os << c.display << " \"" << c.keys << '"'; }
};

class TimeEntry : public BoardTest, public ::testing::WithParamInterface<EntryCase> { };

TEST_P(TimeEntry, EnterSetsTheClockAndItsPreset)
{
    const EntryCase c = GetParam();
    const QString which = QString::fromLatin1(c.display);
    Control *display = which == u"Fall" ? board->tledFall : which == u"WarmUp" ? board->tledWarmUp : board->tledRoutine;
    Control *keeper = which == u"Fall" ? board->tkFall : which == u"WarmUp" ? board->tkWarmUp : board->tkRoutine;
    int16_t &preset = which == u"Fall" ? FallPreset : which == u"WarmUp" ? WarmUpPreset : RoutinePreset;
    const double before = clock(keeper);
    const int16_t presetBefore = preset;
    focus(display);
    type(c.keys);
    press(Qt::Key_Return);
    if (c.seconds < 0) {
        EXPECT_EQ(clock(keeper), before);
        EXPECT_EQ(preset, presetBefore);
    } else {
        EXPECT_DOUBLE_EQ(clock(keeper), c.seconds);
        EXPECT_EQ(preset, c.preset);
        EXPECT_FALSE(running(keeper));
    }
    EXPECT_EQ(modCount::timeDigits(), QString()); // Enter empties the entry either way
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TimeEntry,
    ::testing::Values(EntryCase{"Routine", "1.30", 90, 90}, EntryCase{"Routine", "2", 120, 120},
                      EntryCase{"Routine", ".45", 45, 45}, EntryCase{"Routine", "1.305", 90.5, 90},
                      EntryCase{"Routine", "1.75", 135, 135}, EntryCase{"Routine", "99.59", 5999, 5999},
                      EntryCase{"Routine", "99.60", -1, 0}, EntryCase{"Routine", "99.599", -1, 0},
                      EntryCase{"WarmUp", "99.59", 5999, 5999}, EntryCase{"Fall", "9.59", 599, 599},
                      EntryCase{"Fall", "10", -1, 0}, EntryCase{"Routine", "1.2.3", -1, 0},
                      EntryCase{"Routine", "100", -1, 0}, EntryCase{"Routine", "000000001", -1, 0},
                      EntryCase{"Routine", "00000001", 60, 60}, EntryCase{"Routine", "1.3 2", 120, 120}));

TEST_F(BoardTest, ATypedTimeShowsOnlyAfterEnter)
{
    focus(board->tledRoutine);
    type("1.305");
    tick();
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral("30:00"));
    press(Qt::Key_Return);
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral(" 1:31")); // 90.5 s shows the next second up
    EXPECT_EQ(RoutinePreset, 90);
}

TEST_F(BoardTest, KeypadDigitsAndPointEnterTimesToo)
{
    focus(board->tledWarmUp);
    QTest::keyClick(focused(), Qt::Key_1, Qt::KeypadModifier);
    QTest::keyClick(focused(), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(focused(), Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(focused(), Qt::Key_0, Qt::KeypadModifier);
    QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clock(board->tkWarmUp), 90);
}

TEST_F(BoardTest, AnEmptyEnterSetsZeroAndBuzzesOnce)
{
    focus(board->tledFall);
    const int before = board->buzzCount();
    press(Qt::Key_Return);
    EXPECT_EQ(clock(board->tkFall), 0);
    EXPECT_EQ(FallPreset, 0);
    EXPECT_EQ(board->buzzCount(), before + 1);
    tick();
    tick();
    EXPECT_EQ(board->buzzCount(), before + 1);
    EXPECT_TRUE(board->FallBuzzed);
}

TEST_F(BoardTest, DigitsTypedOnAnotherClockAreDiscarded)
{
    focus(board->tledRoutine);
    type("5");
    focus(board->tledFall);
    press(Qt::Key_Return);
    EXPECT_EQ(clock(board->tkFall), 0);
    EXPECT_EQ(clock(board->tkRoutine), 1800);
}

TEST_F(BoardTest, SpaceEmptiesTheTypedTime)
{
    focus(board->tledRoutine);
    type("5 2\n");
    EXPECT_EQ(clock(board->tkRoutine), 120);
}

TEST_F(BoardTest, ACountDownBuzzesOnceAtFiveSecondsAndAgainOnlyAfterBeingSetHigher)
{
    focus(board->tledFall);
    type(".06\n");
    focus(board->tledRoutine);
    press(Qt::Key_R); // Fall back to its preset 6 and Routine running...
    press(Qt::Key_F); // ...then Fall running
    ASSERT_TRUE(running(board->tkFall));
    const int before = board->buzzCount();
    now.advance(500);
    tick();
    EXPECT_EQ(board->buzzCount(), before);
    now.advance(1000); // 6 -> 4.5: the display shows 5
    tick();
    EXPECT_EQ(board->buzzCount(), before + 1);
    for (int i = 0; i < 10; ++i) {
        now.advance(1000);
        tick();
    }
    EXPECT_EQ(clock(board->tkFall), 0);
    EXPECT_EQ(board->buzzCount(), before + 1);
    focus(board->tledFall);
    type(".05\n"); // still at or below 5: no new buzz
    EXPECT_EQ(board->buzzCount(), before + 1);
    type(".07\n");
    type(".04\n");
    EXPECT_EQ(board->buzzCount(), before + 2);
}

TEST_F(BoardTest, EachRefreshShowsTheNextWholeSecondUp)
{
    focus(board->tledRoutine);
    type("1\n");
    press(Qt::Key_R);
    now.advance(900); // 59.1 left
    tick();
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral(" 1:00"));
    now.advance(100); // 59.0
    tick();
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral("   59"));
}

TEST_F(BoardTest, TheRefreshTimerTicksEvery50Milliseconds)
{
    // The timer that runs, not the control's setting of it.
    const QTimer *timer = board->tmrClock1->findChild<QTimer *>();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 50);
    EXPECT_TRUE(timer->isActive());
    // Every tick refreshes: with the clock moved on a second after each tick (this handler
    // runs after the board's own), each tick shows the next second.
    focus(board->tledRoutine);
    press(Qt::Key_R);
    QStringList shownAtTicks;
    QObject::connect(board->tmrClock1, &TimerControl::Timer, board, [&] {
        if (shownAtTicks.size() < 3) {
            shownAtTicks << shown(board->tledRoutine);
            now.advance(1000);
        }
    });
    ASSERT_TRUE(waitUntil([&] { return shownAtTicks.size() == 3; }));
    EXPECT_EQ(shownAtTicks, (QStringList{"30:00", "29:59", "29:58"}));
}

struct TypedCase {
    const char *text;
    double seconds;
    friend void PrintTo(const TypedCase &c, std::ostream *os) { *os << '"' << c.text << '"'; }
};

class TypedTime : public ::testing::TestWithParam<TypedCase> { };

TEST_P(TypedTime, IsMinutesSecondsAndTenths)
{
    const TypedCase c = GetParam();
    EXPECT_DOUBLE_EQ(modCount::TypedTimeToSeconds(QString::fromLatin1(c.text)).toDouble(), c.seconds);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedTime,
                         ::testing::Values(TypedCase{"", 0}, TypedCase{"1.30", 90}, TypedCase{"2", 120},
                                           TypedCase{".45", 45}, TypedCase{"1.305", 90.5}, TypedCase{"1.3059", 90.5},
                                           TypedCase{"0.5", 5}, TypedCase{"99.99", 6039}, TypedCase{"1.2.3", -1},
                                           TypedCase{"100", -1}, TypedCase{"123456789", -1}, TypedCase{"1a", -1},
                                           TypedCase{"-1", -1}, TypedCase{"1.", 60}, TypedCase{"..", -1},
                                           TypedCase{"12345678", -1}));

} // namespace
