// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// What the board tells its followers (the record of the meet, the web views) and what they
// may ask of it: the state it shows, counted only when it changes; the commits; the board
// brought back to a state it showed.
#include "tests/scoreboard/BoardFixture.h"

#include "platform/forms/VirtualKeys.h"
#include "scoreboard/state/BoardState.h"

#include <QSignalSpy>

using namespace tallyard;
using tallyard::test::BoardTest;

namespace {

class Followed : public BoardTest {
protected:
    void prepare() override
    {
        // Somebody follows, so the board makes its states.
        QObject::connect(&boardStates(), &BoardStatePublisher::changed, &follower, [this] { ++changes; });
    }
    void TearDown() override
    {
        QObject::disconnect(&boardStates(), nullptr, &follower, nullptr);
        BoardTest::TearDown();
    }
    QObject follower;
    int changes = 0;
};

TEST_F(Followed, ATickThatChangedNothingIsNoChangeAndARunningClockIsNoneEither)
{
    tick();
    const uint64_t before = boardStates().current().version;
    for (int i = 0; i < 20; ++i)
        tick();
    EXPECT_EQ(boardStates().current().version, before);
    focus(board->tledRoutine);
    press(Qt::Key_R); // running: the value moves, the state to a viewer does not
    const uint64_t running = boardStates().current().version;
    EXPECT_GT(running, before);
    for (int i = 0; i < 40; ++i) {
        now.advance(50);
        tick();
    }
    EXPECT_EQ(boardStates().current().version, running);
    const ClockState routine = boardStates().current().clocks[BoardState::Routine];
    EXPECT_TRUE(routine.running);
    EXPECT_NEAR(routine.valueAt(localMilliseconds()), 1798, 0.15);
    board->txtEvent->setText(QStringLiteral("Vault"));
    tick();
    EXPECT_EQ(boardStates().current().version, running + 1);
    EXPECT_EQ(boardStates().current().event, QStringLiteral("Vault"));
}

TEST_F(BoardTest, CommitsAreToldAndClearsAreNot)
{
    QSignalSpy scores(board, &frmScoreboard::ScoreCommitted);
    QSignalSpy numbers(board, &frmScoreboard::GymnastNumberCommitted);
    focus(board->nledScoreLeft);
    type("9.85\n");
    press(Qt::Key_Delete);
    type("20\n"); // refused
    ASSERT_EQ(scores.size(), 1);
    EXPECT_EQ(scores.at(0).at(0).value<Currency>(), Currency::fromDouble(9.85));
    focus(board->nledGymnastNum);
    type("12\n+1");
    press(Qt::Key_Delete);
    ASSERT_EQ(numbers.size(), 2);
    EXPECT_EQ(numbers.at(0).at(0).toInt(), 12);
    EXPECT_EQ(numbers.at(1).at(0).toInt(), 13);
}

TEST_F(BoardTest, OnlyAKeyThatIsNoCommandIsToldAsOther)
{
    QSignalSpy other(board, &frmScoreboard::OtherKey);
    focus(board->tledWarmUp);
    press(Qt::Key_PageDown);
    KeyRoutine = vk::Next; // the operator gave Page Down to the Routine clock
    press(Qt::Key_PageDown);
    ASSERT_EQ(other.size(), 1);
    EXPECT_EQ(other.at(0).at(0).toInt(), vk::Next);
    EXPECT_TRUE(running(board->tkRoutine));
}

TEST_F(BoardTest, RestoringRunsEachClockOnFromWhenItsValueWasTaken)
{
    BoardState kept;
    kept.event = QStringLiteral("Beam");
    kept.name = QStringLiteral("Ana");
    kept.team = QStringLiteral("Club A");
    kept.number = 42;
    kept.scoreWhole = 9;
    kept.scoreThousandths = 850;
    // Kept at 23:59:50, a minute before a power cut; the board starts again at 00:00:20.
    now.set(2026, 3, 14, 23, 59, 50);
    const int64_t taken = localMilliseconds();
    kept.clocks[BoardState::Routine] = {100, taken, true, false, 90};
    kept.clocks[BoardState::Fall] = {12.5, taken, false, false, 30};
    kept.clocks[BoardState::WarmUp] = {10, taken, true, false, 1200}; // runs out meanwhile
    now.set(2026, 3, 15, 0, 0, 20);
    board->RestoreState(kept, localMilliseconds());
    EXPECT_EQ(text(board->txtEvent), QStringLiteral("Beam"));
    EXPECT_EQ(text(board->txtGymnastName), QStringLiteral("Ana"));
    EXPECT_EQ(text(board->txtGymnastTeam), QStringLiteral("Club A"));
    EXPECT_EQ(caption(board->nledGymnastNum), 42);
    EXPECT_EQ(caption(board->nledScoreLeft), 9);
    EXPECT_EQ(caption(board->nledScoreRight), 850);
    EXPECT_NEAR(clock(board->tkRoutine), 70, 0.1);
    EXPECT_TRUE(running(board->tkRoutine));
    EXPECT_EQ(clock(board->tkFall), 12.5);
    EXPECT_FALSE(running(board->tkFall));
    EXPECT_EQ(clock(board->tkWarmUp), 0);
    EXPECT_EQ(RoutinePreset, 90);
    EXPECT_EQ(FallPreset, 30);
    EXPECT_EQ(WarmUpPreset, 1200);
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral(" 1:10"));
    now.advance(10000);
    EXPECT_NEAR(clock(board->tkRoutine), 60, 0.1);
}

TEST_F(BoardTest, AGymnastShownFillsInWhatTheListHolds)
{
    QImage picture(20, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString home = store.filePath(QStringLiteral("club.png"));
    ASSERT_TRUE(picture.save(home));
    board->ShowGymnast(7, QStringLiteral("Bea"), QStringLiteral("Club B"), home);
    EXPECT_EQ(caption(board->nledGymnastNum), 7);
    EXPECT_EQ(text(board->txtGymnastName), QStringLiteral("Bea"));
    EXPECT_EQ(board->imgHomePic->Picture(), home);
    // No picture given leaves the one shown; one that is not there shows none.
    board->ShowGymnast(8, QStringLiteral("Cy"), QStringLiteral("Club C"));
    EXPECT_EQ(board->imgHomePic->Picture(), home);
    board->ShowGymnast(9, QStringLiteral("Di"), QStringLiteral("Club D"), store.filePath(QStringLiteral("gone.png")));
    EXPECT_EQ(board->imgHomePic->Picture(), QString());
    focus(board->nledScoreLeft);
    type("9.1\n");
    board->ClearScore();
    EXPECT_EQ(caption(board->nledScoreLeft), 0);
    EXPECT_EQ(caption(board->nledScoreRight), 0);
}

} // namespace
