// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/scoreboard/BoardFixture.h"

#include "platform/intrinsics/MMControl.h"
#include "scoreboard/modules/modStretch.h"

#include <QImage>

#include <chrono>
#include <thread>
#include <utility>

using namespace tallyard;
using tallyard::test::BoardTest;

namespace {

TEST_F(BoardTest, OpensWithTheClocksStoppedAtTheirStartingValues)
{
    EXPECT_EQ(board->Caption(), QStringLiteral("Tallyard"));
    EXPECT_EQ(clock(board->tkRoutine), 1800);
    EXPECT_EQ(clock(board->tkFall), 30);
    EXPECT_EQ(clock(board->tkWarmUp), 1800);
    for (Control *keeper : {board->tkRoutine, board->tkFall, board->tkWarmUp}) {
        EXPECT_FALSE(running(keeper));
        EXPECT_EQ(getPropertyByName(keeper, u"CountDirection").toInt(), 0);
        EXPECT_FALSE(keeper->isVisible());
    }
    EXPECT_EQ(RoutinePreset, 1800);
    EXPECT_EQ(FallPreset, 30);
    EXPECT_EQ(WarmUpPreset, 1800);
    EXPECT_FALSE(board->RoutineBuzzed || board->FallBuzzed || board->WarmUpBuzzed);
}

TEST_F(BoardTest, TheDisplaysShowThirtyMinutesThirtySecondsAndThirtyMinutes)
{
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral("30:00"));
    EXPECT_EQ(shown(board->tledFall), QStringLiteral("  30")); // minutes group blank, colon unlit
    EXPECT_EQ(shown(board->tledWarmUp), QStringLiteral("30:00"));
    tick();
    EXPECT_EQ(shown(board->tledRoutine), QStringLiteral("30:00"));
    EXPECT_EQ(shown(board->tledFall), QStringLiteral("  30"));
}

TEST_F(BoardTest, TextsAndNumbersHaveTheirDesignContent)
{
    EXPECT_EQ(text(board->txtEvent), QStringLiteral("Floor Exercise"));
    EXPECT_EQ(text(board->txtGymnastName), QStringLiteral("Name"));
    EXPECT_EQ(text(board->txtGymnastTeam), QStringLiteral("Group"));
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label12"})
        EXPECT_TRUE(board->control(QString::fromLatin1(name))) << name;
    EXPECT_EQ(variantToString(getPropertyByName(board->control("Label1"), u"Caption")), QStringLiteral("Routine"));
    EXPECT_EQ(variantToString(getPropertyByName(board->control("Label3"), u"Caption")), QStringLiteral("Fall"));
    EXPECT_EQ(variantToString(getPropertyByName(board->control("Label2"), u"Caption")), QStringLiteral("Warm-Up"));
    EXPECT_EQ(variantToString(getPropertyByName(board->control("Label4"), u"Caption")), QStringLiteral("Score"));
    EXPECT_EQ(getPropertyByName(board->nledGymnastNum, u"Max").toInt(), 9999);
    EXPECT_EQ(getPropertyByName(board->nledScoreLeft, u"Max").toInt(), 19);
    EXPECT_EQ(getPropertyByName(board->nledScoreRight, u"Max").toInt(), 999);
    EXPECT_TRUE(getPropertyByName(board->nledScoreRight, u"ZeroFill").toBool());
    EXPECT_EQ(getPropertyByName(board->tmrClock1, u"Interval").toInt(), 50);
}

TEST_F(BoardTest, TheQueuedTabSelectsTheGymnastNumber)
{
    // The window system's first focus is the event name; the queued Tab moves one step on.
    EXPECT_TRUE(board->nledGymnastNum->isAncestorOf(focused()) || focused() == board->nledGymnastNum);
    EXPECT_TRUE(board->shpObjectSelected->Visible());
    EXPECT_EQ(board->shpObjectSelected->Left(), board->nledGymnastNum->Left());
    EXPECT_EQ(board->shpObjectSelected->Width(), board->nledGymnastNum->Width() + 15);
}

TEST_F(BoardTest, TheQueuedTabWaitsUntilTheBoardIsTheActiveWindow)
{
    // Under a window manager a board is shown well before it becomes active; the Tab must
    // count from the element the activation focuses, so the first R starts the Routine clock.
    delete board.data();
    QWidget other; // the window that keeps the activation meanwhile
    other.show();
    board = new frmScoreboard();
    // The first activation the board is given goes straight back to the other window, before
    // the board hands out its focus.
    bool firstActivation = true;
    QObject::connect(board, &Form::Activate, &other, [&] {
        if (std::exchange(firstActivation, false))
            QApplication::setActiveWindow(&other);
    });
    board->Show();
    ASSERT_TRUE(waitUntil([&] { return !firstActivation && other.isActiveWindow(); }));
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    ASSERT_TRUE(board->isVisible());
    EXPECT_FALSE(board->isActiveWindow());
    EXPECT_FALSE(board->nledGymnastNum->isAncestorOf(board->focusWidget())) << "the Tab went out early";
    EXPECT_FALSE(board->shpObjectSelected->Visible());

    QApplication::setActiveWindow(board);
    ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    ASSERT_TRUE(waitUntil([&] { return focused() && board->nledGymnastNum->isAncestorOf(focused()); }));
    press(Qt::Key_R);
    EXPECT_TRUE(running(board->tkRoutine));
    EXPECT_EQ(text(board->txtEvent), QStringLiteral("Floor Exercise"));
}

TEST_F(BoardTest, TabFollowsTheDesignOrder)
{
    focus(board->txtEvent);
    const QList<Control *> order{board->nledGymnastNum,
                                 board->txtGymnastName,
                                 board->txtGymnastTeam,
                                 board->nledScoreLeft,
                                 board->tledRoutine,
                                 board->tledFall,
                                 board->tledWarmUp,
                                 board->picScoreBack,
                                 board->picHomePicContainer,
                                 board->picVisitorPicContainer,
                                 board->txtEvent};
    for (Control *expected : order) {
        press(Qt::Key_Tab);
        QCoreApplication::processEvents();
        QWidget *now = focused();
        EXPECT_TRUE(now == expected || expected->isAncestorOf(now)) << expected->Name().toStdString();
    }
}

TEST_F(BoardTest, TheElementsReadInTheirRowsAndNoneCoversAnother)
{
    EXPECT_EQ(board->ScaleWidth(), 9480);
    EXPECT_EQ(board->ScaleHeight(), 6795);
    const auto box = [](const Control *c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); };
    // What the audience sees on the board's surface; the outline is drawn around the others.
    QList<Control *> shown;
    for (Control *c : board->Controls())
        if (c->parentWidget() == board && c->isVisibleTo(board) && c != board->shpObjectSelected)
            shown << c;
    const QRectF surface(0, 0, board->ScaleWidth(), board->ScaleHeight());
    for (Control *a : shown) {
        EXPECT_TRUE(surface.contains(box(a))) << a->Name().toStdString();
        for (Control *b : shown) {
            // Neighbours may share one pixel's edge, as designed; no more.
            if (a != b) {
                EXPECT_FALSE(box(a).adjusted(15, 15, -15, -15).intersects(box(b)))
                    << a->Name().toStdString() << " covers " << b->Name().toStdString();
            }
        }
    }
    // Top to bottom: event and number, name and team, pictures and score, titles, clocks.
    const auto above
        = [&](const Control *upper, const Control *lower) { return box(upper).center().y() < box(lower).center().y(); };
    EXPECT_TRUE(above(board->txtEvent, board->txtGymnastName));
    EXPECT_TRUE(above(board->nledGymnastNum, board->txtGymnastTeam));
    EXPECT_TRUE(above(board->txtGymnastName, board->picScoreBack));
    EXPECT_TRUE(above(board->picScoreBack, board->control(QStringLiteral("Label1"))));
    // Left to right within the rows, and each title over its clock.
    const auto leftOf = [&](const Control *a, const Control *b) { return box(a).right() <= box(b).left() + 15; };
    EXPECT_TRUE(leftOf(board->txtEvent, board->nledGymnastNum));
    EXPECT_TRUE(leftOf(board->txtGymnastName, board->txtGymnastTeam));
    EXPECT_TRUE(leftOf(board->picHomePicContainer, board->picScoreBack));
    EXPECT_TRUE(leftOf(board->picScoreBack, board->picVisitorPicContainer));
    const std::pair<const char *, Control *> titles[]
        = {{"Label1", board->tledRoutine}, {"Label3", board->tledFall}, {"Label2", board->tledWarmUp}};
    for (const auto &[title, clock] : titles) {
        const Control *label = board->control(QString::fromLatin1(title));
        EXPECT_TRUE(above(label, clock)) << title;
        EXPECT_GT(box(label).intersected(QRectF(box(clock).left(), 0, box(clock).width(), 1e6)).width(), 0) << title;
    }
    // The score displays and the decimal point stand inside their box.
    EXPECT_EQ(board->nledScoreLeft->parentWidget(), board->picScoreBack);
    EXPECT_EQ(board->shpScore->parentWidget(), board->picScoreBack);
    EXPECT_EQ(board->imgHomePic->parentWidget(), board->picHomePicContainer);
}

TEST_F(BoardTest, TheDisplaysFitTheirRowsWithoutOverlapping)
{
    // The score's two displays and its point share one box; the clocks share the bottom row.
    EXPECT_LE(board->nledScoreLeft->Left() + board->nledScoreLeft->Width(), board->shpScore->Left() + 15);
    EXPECT_LE(board->shpScore->Left() + board->shpScore->Width(), board->nledScoreRight->Left());
    EXPECT_LE(board->nledScoreRight->Left() + board->nledScoreRight->Width(), board->picScoreBack->Width());
    EXPECT_LE(board->nledScoreLeft->Top() + board->nledScoreLeft->Height(), board->picScoreBack->Height());
    EXPECT_LE(board->tledRoutine->Left() + board->tledRoutine->Width(), board->tledFall->Left());
    EXPECT_LE(board->tledFall->Left() + board->tledFall->Width(), board->tledWarmUp->Left());
    EXPECT_LE(board->tledWarmUp->Left() + board->tledWarmUp->Width(), board->ScaleWidth());
    EXPECT_LE(board->nledGymnastNum->Left() + board->nledGymnastNum->Width(), board->ScaleWidth());
    EXPECT_LE(board->tledRoutine->Top() + board->tledRoutine->Height(), board->ScaleHeight());
}

TEST_F(BoardTest, TheDesignLayoutIsRecordedForScaling)
{
    EXPECT_EQ(modStretch::designScaleWidth(board.data()), 9480);
    EXPECT_EQ(modStretch::designScaleHeight(board.data()), 6795);
    // Every element but the clocks, the buzzer and the timer.
    EXPECT_EQ(modStretch::layoutRecords(board.data()).size(), board->Controls().size() - 5);
}

TEST_F(BoardTest, DestroyedWhileTheBuzzerPlaysAndATickIsDueItEndsCleanly)
{
    auto *buzzer = qobject_cast<MMControl *>(board->mmcBuzzer);
    focus(board->picScoreBack);
    press(Qt::Key_C);
    if (buzzer->Mode() != MMControl::Playing)
        GTEST_SKIP() << "no sound output; run scripts/start-sound.sh";
    // The 50 ms refresh falls due while nothing runs the event loop, then the board goes.
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    delete board.data();
    EXPECT_TRUE(board.isNull());
    QTest::qWait(100); // the released sound output is destroyed from the event loop
}

TEST_F(BoardTest, ClosingTheBoardWritesNothing)
{
    // Every folder the program could write to is one of the test's, empty: the settings',
    // the user's configuration, data, state and cache, and the home folder itself.
    QTemporaryDir home;
    const QByteArray saved[] = {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_DATA_HOME"),
                                qgetenv("XDG_STATE_HOME"), qgetenv("XDG_CACHE_HOME")};
    const char *names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"};
    for (const char *name : names)
        qputenv(name, home.path().toLocal8Bit());
    board->Unload();
    QCoreApplication::processEvents();
    for (size_t i = 0; i < std::size(names); ++i)
        qputenv(names[i], saved[i]);
    EXPECT_TRUE(QDir(store.path()).isEmpty());
    EXPECT_TRUE(QDir(home.path()).isEmpty())
        << QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(u' ').toStdString();
}

} // namespace

namespace {

int cellPaints(Control *display)
{
    auto *tled = qobject_cast<quellin::TimeLED *>(display);
    int paints = 0;
    for (int i = 0; i < tled->cellCount(); ++i)
        paints += tled->cell(i)->paintCount();
    return paints;
}

TEST_F(BoardTest, ARefreshRepaintsOnlyTheDisplaysWhoseDigitsChanged)
{
    focus(board->tledRoutine);
    press(Qt::Key_R);
    const auto allPaints = [this] {
        return cellPaints(board->tledRoutine) + cellPaints(board->tledFall) + cellPaints(board->tledWarmUp);
    };
    settle(allPaints);
    const int routine = cellPaints(board->tledRoutine);
    const int fall = cellPaints(board->tledFall);
    now.advance(300); // still the same second on the display
    tick();
    settle(allPaints);
    EXPECT_EQ(cellPaints(board->tledRoutine), routine);
    now.advance(1000);
    tick();
    EXPECT_TRUE(waitUntil([&] { return cellPaints(board->tledRoutine) > routine; }));
    settle(allPaints);
    EXPECT_EQ(cellPaints(board->tledFall), fall);
}

} // namespace

namespace {

TEST_F(BoardTest, ResizingScalesTheDesignAndHidesTheOutline)
{
    board->setClientSize(18960, 13590);
    QCoreApplication::processEvents();
    ASSERT_EQ(board->ScaleWidth(), 18960);
    EXPECT_EQ(board->txtEvent->Left(), 240);
    EXPECT_EQ(board->txtEvent->Width(), 9390);
    EXPECT_EQ(getPropertyByName(board->tledRoutine, u"Size").toInt(), 118);
    EXPECT_EQ(board->nledScoreLeft->Left(), 240); // inside its box, relative to it
    EXPECT_FALSE(board->shpObjectSelected->Visible());
    board->setClientSize(18960, 6795); // twice as wide only: centred, factor 1
    QCoreApplication::processEvents();
    EXPECT_EQ(board->txtEvent->Left(), 120 + 4740);
    EXPECT_EQ(board->nledScoreLeft->Left(), 120);
    EXPECT_EQ(getPropertyByName(board->tledRoutine, u"Size").toInt(), 59);
}

} // namespace

namespace {

// A width stored by hand far beyond the dialog's 0 to 5.
class OversizedOutline : public BoardTest {
protected:
    void prepare() override
    {
        LEDSelectedWidth = 2185;
        QImage picture(300, 150, QImage::Format_RGB32);
        picture.fill(Qt::red);
        HomePic = store.filePath(QStringLiteral("home.png"));
        ASSERT_TRUE(picture.save(HomePic));
    }
};

TEST_F(OversizedOutline, HidesTheOutlineAndTheResizeStillFitsThePictures)
{
    focus(board->tledRoutine);
    EXPECT_FALSE(board->shpObjectSelected->Visible());
    board->setClientSize(18960, 13590);
    QCoreApplication::processEvents();
    EXPECT_FALSE(board->shpObjectSelected->Visible());
    // Fitted into its resized box, not left stretched over the old size.
    EXPECT_DOUBLE_EQ(board->imgHomePic->Width(), board->picHomePicContainer->Width());
    EXPECT_DOUBLE_EQ(board->imgHomePic->Height(), board->picHomePicContainer->Width() / 2);
}

} // namespace
