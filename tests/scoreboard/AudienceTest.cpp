// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The audience window beside a loaded board: it follows the board, shows none of the
// operator's working state, costs nothing while the board stands still, and takes no keys.
#include "tests/scoreboard/BoardFixture.h"

#include "platform/intrinsics/Image.h"
#include "controls/TimeLED.h"
#include "platform/forms/Shape.h"
#include "scoreboard/hall/AudienceWindow.h"
#include "scoreboard/hall/BoardDesign.h"

#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>

#include <functional>
#include <memory>

namespace tallyard::test {
namespace {

class AudienceTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        audience = std::make_unique<AudienceWindow>(board, QGuiApplication::primaryScreen());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(audience.get()));
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        audience.reset();
        BoardTest::TearDown();
    }
    Control *copy(const char *name) { return audience->control(QString::fromLatin1(name)); }
    template <typename Value>
    bool follows(Value value)
    {
        return waitUntil([&] { return value(board) == value(audience.get()); }, 2000);
    }
    std::unique_ptr<AudienceWindow> audience;
};

struct Change {
    const char *name;
    std::function<void(frmScoreboard *)> make;
    // What is compared between the board and the copy, given either form.
    std::function<QVariant(Form *)> seen;
};

QVariant property(Form *form, const char *element, const char16_t *name)
{
    return getPropertyByName(form->control(QString::fromLatin1(element)), name);
}

TEST_F(AudienceTest, FollowsEveryKindOfChangeOnTheBoard)
{
    QTemporaryDir pictures;
    QImage team(40, 60, QImage::Format_RGB32);
    team.fill(Qt::blue);
    const QString teamFile = pictures.filePath(QStringLiteral("team.png"));
    ASSERT_TRUE(team.save(teamFile));

    const Change changes[] = {
        {"typed name", [](frmScoreboard *b) { setPropertyByName(b->txtGymnastName, u"Text", QStringLiteral("Ada")); },
         [](Form *f) { return property(f, "txtGymnastName", u"Text"); }},
        {"gymnast number", [](frmScoreboard *b) { setPropertyByName(b->nledGymnastNum, u"Caption", 42); },
         [](Form *f) { return property(f, "nledGymnastNum", u"Caption"); }},
        {"running clock",
         [this](frmScoreboard *b) {
             setPropertyByName(b->tkRoutine, u"Running", true);
             now.advance(2500);
             b->RefreshTime();
         },
         [](Form *f) { return property(f, "tledRoutine", u"Caption"); }},
        {"colours from Options",
         [](frmScoreboard *b) {
             ColorFormBack = 0x102030;
             ColorRoutine = 0x00FFFF;
             b->UpdateFormColors();
         },
         [](Form *f) {
             return QVariant(
                 QStringList{QString::number(f->BackColor()), property(f, "tledRoutine", u"LitColor").toString()});
         }},
        {"team picture",
         [&](frmScoreboard *b) {
             HomePic = teamFile;
             b->UpdateLabels();
         },
         [](Form *f) {
             auto *image = qobject_cast<Image *>(f->control(QStringLiteral("imgHomePic")));
             return QVariant(image->hasPicture() ? image->Picture() : QString());
         }},
    };
    for (const Change &change : changes) {
        change.make(board);
        EXPECT_TRUE(follows(change.seen)) << change.name << ": board " << change.seen(board).toString().toStdString()
                                          << ", audience " << change.seen(audience.get()).toString().toStdString();
    }
    // The picture is the board's own file, fitted to the copy's larger box in proportion and
    // decoded at the copy's own size.
    auto *mine = qobject_cast<Image *>(board->imgHomePic);
    auto *theirs = qobject_cast<Image *>(copy("imgHomePic"));
    EXPECT_EQ(theirs->Picture(), teamFile);
    const double f = copy("picHomePicContainer")->Width() / board->picHomePicContainer->Width();
    EXPECT_NEAR(theirs->Width() / mine->Width(), f, 0.05);
    const QImage shown = theirs->grab().toImage();
    EXPECT_EQ(theirs->shownImage().size(), shown.size());
    EXPECT_EQ(QColor(shown.pixel(shown.width() / 2, shown.height() / 2)), QColor(Qt::blue));
}

TEST_F(AudienceTest, ShowsNothingOfTheOperatorsWorkingState)
{
    ColorLEDSelected = 0xFF00FF;
    LEDSelectedWidth = 3;
    board->ObjectSelected(board->tledRoutine);
    focus(board->txtGymnastName);
    setPropertyByName(board->txtGymnastName, u"SelStart", 0);
    setPropertyByName(board->txtGymnastName, u"SelLength", 2);
    ASSERT_TRUE(follows([](Form *f) { return property(f, "txtGymnastName", u"Text"); }));
    EXPECT_EQ(copy("shpObjectSelected"), nullptr) << "no selection outline";
    for (const char *hidden : {"tkRoutine", "mmcBuzzer", "tmrClock1"})
        EXPECT_EQ(copy(hidden), nullptr) << hidden << ": the audience has no clocks, sound or timer of its own";
    EXPECT_EQ(variantToInt32(getPropertyByName(copy("txtGymnastName"), u"SelLength")), 0) << "no selection highlight";
    for (QWidget *child : audience->findChildren<QWidget *>())
        EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << "a text cursor needs the focus";
    EXPECT_TRUE(!focused() || focused()->window() != audience.get()) << "nothing on it holds the focus";
}

TEST_F(AudienceTest, AnUnchangedBoardCostsNoPaintInEitherWindow)
{
    focus(board->tledRoutine); // no text cursor blinking on the board either
    QTest::qWait(100);
    PaintCounter boardPaints(board);
    PaintCounter audiencePaints(audience.get());
    for (int i = 0; i < 10; ++i) {
        board->RefreshTime();
        QTest::qWait(10);
    }
    EXPECT_EQ(boardPaints.count, 0);
    EXPECT_EQ(audiencePaints.count, 0);
    // And one change costs the copy a paint.
    setPropertyByName(board->nledGymnastNum, u"Caption", 7);
    EXPECT_TRUE(waitUntil([&] { return audiencePaints.count > 0; }, 2000));
}

TEST_F(AudienceTest, TakesNoKeysAndOnlyEscHidesIt)
{
    const QString event = text(board->txtEvent);
    for (Qt::Key key : {Qt::Key_R, Qt::Key_A, Qt::Key_Tab, Qt::Key_F1, Qt::Key_F2})
        QTest::keyClick(audience.get(), key);
    EXPECT_FALSE(running(board->tkRoutine)) << "R on the audience window is no command";
    EXPECT_EQ(text(board->txtEvent), event);
    EXPECT_TRUE(audience->isVisible());
    audience->close();
    EXPECT_TRUE(audience->isVisible()) << "it cannot be closed by itself";
    QTest::keyClick(audience.get(), Qt::Key_Escape);
    EXPECT_FALSE(audience->isVisible());
    EXPECT_TRUE(board->isVisible()) << "the board runs on";
}

TEST_F(AudienceTest, ClosingTheBoardClosesItAndAMinimizedBoardIsStillFollowed)
{
    board->showMinimized();
    QCoreApplication::processEvents();
    setPropertyByName(board->txtGymnastTeam, u"Text", QStringLiteral("Lyon"));
    EXPECT_TRUE(follows([](Form *f) { return property(f, "txtGymnastTeam", u"Text"); }));
    board->showNormal();
    QPointer<AudienceWindow> watched(audience.get());
    board->Unload();
    EXPECT_FALSE(watched->isVisible());
}

// The pages draw the board from the program's own measure of it: every element the audience
// sees, each LED digit where the real cell paints it, each clock's dots where its TimeLED
// put them, in the board's language.
TEST_F(AudienceTest, TheDesignThePagesDrawIsMeasuredFromTheBoardsOwnControls)
{
    const QJsonObject elements = QJsonDocument::fromJson(hall::boardDesignJson()).object().value("elements").toObject();
    for (const ElementDesign &element : hall::audienceDesign())
        EXPECT_TRUE(elements.contains(QLatin1String(element.name))) << element.name;
    EXPECT_FALSE(elements.contains("tkRoutine")) << "the clocks' models are no part of the face";
    const struct {
        const char *name;
        int digits; // in all its cells
        int dots;
    } displays[] = {{"nledGymnastNum", 4, 0}, {"nledScoreLeft", 2, 0}, {"tledRoutine", 4, 2}, {"tledFall", 3, 2}};
    for (const auto &d : displays) {
        SCOPED_TRACE(d.name);
        const QJsonObject display = elements.value(QLatin1String(d.name)).toObject();
        const QJsonArray cells = display.contains("cells") ? display.value("cells").toArray() : QJsonArray{display};
        int digits = 0;
        for (const QJsonValue &cell : cells)
            digits += static_cast<int>(cell.toObject().value("digits").toArray().size());
        EXPECT_EQ(digits, d.digits);
        EXPECT_EQ(display.value("dots").toArray().size(), d.dots);
    }
    // The Fall clock's first dot is the real one, in board twips.
    auto *fall = qobject_cast<quellin::TimeLED *>(board->tledFall);
    ASSERT_NE(fall, nullptr);
    const QJsonObject dot = elements.value("tledFall").toObject().value("dots").toArray().first().toObject();
    EXPECT_NEAR(dot.value("w").toDouble(), fall->topDot(0)->Width(), 0.1);
    EXPECT_EQ(elements.value("Label3").toObject().value("caption").toString(), QStringLiteral("fall"));
}

} // namespace
} // namespace tallyard::test
