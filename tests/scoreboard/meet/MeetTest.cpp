// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The meet on a real board: the start list as the operator uses it, the record a scripted
// run leaves, and the board brought back after an end that was not clean.

#include "tests/scoreboard/BoardFixture.h"

#include "scoreboard/Meet.h"
#include "scoreboard/control/Inputs.h"
#include "scoreboard/meet/ResultsRecord.h"
#include "scoreboard/meet/StateJournal.h"

#include <QFile>
#include <QImage>

using namespace tallyard;
using tallyard::test::BoardTest;

namespace {

class MeetTest : public BoardTest {
protected:
    void prepare() override
    {
        StateJournal::setFolderOverride(store.filePath(QStringLiteral("state")));
        ResultsRecord::setFolderOverride(store.filePath(QStringLiteral("results")));
        QFile list(listFile());
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("number;name;team\r\n12;Ana;Club A\r\n5;\"Bea; B.\";Club B\r\n30;Cy;Club C\r\n");
    }
    void TearDown() override
    {
        inputs.reset();
        meet.reset();
        StateJournal::setFolderOverride({});
        ResultsRecord::setFolderOverride({});
        BoardTest::TearDown();
    }
    QString listFile() const { return store.filePath(QStringLiteral("list.csv")); }
    // A new run of the program's meet on the board, as main() makes it.
    void start(MeetOptions options)
    {
        meet.reset();
        inputs.reset();
        meet = std::make_unique<Meet>(options, [this](const Notice &notice) { said += notice.text + u'\n'; });
        meet->attach(board);
        // The keys beyond the command keys: Page Down and Page Up step through the list.
        inputs = std::make_unique<Inputs>(Inputs::Options{.logFolder = store.path()}, meet.get());
        inputs->attach(board);
    }
    void commitNumber(const char *digits)
    {
        focus(board->nledGymnastNum);
        type(digits);
    }
    QString said;
    std::unique_ptr<Meet> meet;
    std::unique_ptr<Inputs> inputs;
};

TEST_F(MeetTest, TheListFillsACommittedNumberAndPagesStepThroughItInItsOrder)
{
    start({.startList = listFile(), .noResults = true});
    commitNumber("5\n");
    EXPECT_EQ(text(board->txtGymnastName), QStringLiteral("Bea; B."));
    EXPECT_EQ(text(board->txtGymnastTeam), QStringLiteral("Club B"));
    commitNumber("77\n"); // not in the list: the board's own behaviour only
    EXPECT_EQ(caption(board->nledGymnastNum), 77);
    EXPECT_EQ(text(board->txtGymnastName), QStringLiteral("Bea; B."));

    commitNumber("12\n");
    focus(board->nledScoreLeft);
    type("9.5\n");
    focus(board->tledWarmUp);
    const struct {
        Qt::Key key;
        int number;
        const char *name;
    } steps[]{
        {Qt::Key_PageDown, 5, "Bea; B."}, {Qt::Key_PageDown, 30, "Cy"}, {Qt::Key_PageDown, 30, "Cy"}, // the end
        {Qt::Key_PageUp, 5, "Bea; B."},   {Qt::Key_PageUp, 12, "Ana"},  {Qt::Key_PageUp, 12, "Ana"},  // the start
    };
    for (const auto &s : steps) {
        press(s.key);
        EXPECT_EQ(caption(board->nledGymnastNum), s.number);
        EXPECT_EQ(text(board->txtGymnastName), QString::fromUtf8(s.name));
    }
    EXPECT_EQ(caption(board->nledScoreLeft), 0) << "a step clears the score";
}

TEST_F(MeetTest, EveryCommittedScoreIsOneRowAndACorrectionAnother)
{
    const QString record = store.filePath(QStringLiteral("record.csv"));
    start({.startList = listFile(), .results = record});
    board->txtEvent->setText(QStringLiteral("Floor"));
    commitNumber("30\n");
    focus(board->nledScoreLeft);
    type("9.85\n");
    press(Qt::Key_Delete);
    type("9.9\n");
    focus(board->nledGymnastNum);
    type("5\n"); // a number without a score writes nothing
    meet->finish();
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4) << "a header, two rows, the last line closed";
    EXPECT_EQ(lines[0].trimmed(), ResultsRecord::header().trimmed());
    EXPECT_TRUE(lines[1].trimmed().endsWith(",Floor,30,Cy,Club C,9.850")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].trimmed().endsWith(",Floor,30,Cy,Club C,9.900")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].isEmpty());
}

TEST_F(MeetTest, AnUncleanEndBringsTheBoardBackAndACleanOneOnlyWhenAsked)
{
    start({.startList = listFile(), .noResults = true});
    commitNumber("12\n");
    focus(board->nledScoreLeft);
    type("13.475\n"); // kept with the commit itself, before any refresh
    meet.reset();     // the program gone without its clean quit
    board->ShowGymnast(1, QStringLiteral("Other"), QStringLiteral("Other"), {});
    board->ClearScore();

    start({.noResults = true});
    EXPECT_EQ(caption(board->nledGymnastNum), 12);
    EXPECT_EQ(text(board->txtGymnastName), QStringLiteral("Ana"));
    EXPECT_EQ(caption(board->nledScoreLeft), 13);
    EXPECT_EQ(caption(board->nledScoreRight), 475);
    EXPECT_TRUE(said.contains(QStringLiteral("Restored the board of 12:00:00"))) << said.toStdString();

    tick();
    meet->finish(); // a clean quit
    board->ShowGymnast(1, QStringLiteral("Other"), QStringLiteral("Other"), {});
    said.clear();
    start({.noResults = true});
    EXPECT_EQ(text(board->txtGymnastName), QStringLiteral("Other")) << "a clean start is the usual start";
    EXPECT_FALSE(said.contains(QStringLiteral("Restored"))) << said.toStdString();
    tick();
    meet->finish();
    board->ShowGymnast(2, QStringLiteral("Third"), QStringLiteral("Third"), {});
    start({.noResults = true, .resume = true});
    EXPECT_EQ(text(board->txtGymnastName), QStringLiteral("Other")) << "--resume: the board as it was left";
}

TEST_F(MeetTest, TheRecordKeepsNoPlaceholderAsANameOrTeam)
{
    const QString record = store.filePath(QStringLiteral("record.csv"));
    start({.results = record});
    board->txtEvent->setText(QStringLiteral("Floor"));
    commitNumber("8\n");
    focus(board->nledScoreLeft);
    type("9.1\n"); // "Name" and "Group" still show
    board->txtGymnastName->setText(QStringLiteral("Name Smith"));
    type("9.2\n");
    meet->finish();
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].trimmed().endsWith(",Floor,8,,,9.100")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].trimmed().endsWith(",Floor,8,Name Smith,,9.200")) << lines[2].toStdString();
}

TEST_F(MeetTest, AGymnastWithoutAPictureShowsNoneNotThePreviousOne)
{
    QImage face(20, 30, QImage::Format_RGB32);
    face.fill(Qt::red);
    ASSERT_TRUE(face.save(store.filePath(QStringLiteral("ana.png"))));
    QFile list(listFile());
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("number;name;team;picture\n12;Ana;A;ana.png\n5;Bea;B;gone.png\n30;Cy;C;\n");
    list.close();
    start({.startList = listFile(), .noResults = true});
    EXPECT_TRUE(said.contains(QStringLiteral("line 3: the picture"))) << said.toStdString();
    const struct {
        const char *number;
        bool shown;
    } steps[] = {{"12\n", true}, {"5\n", false}, {"12\n", true}, {"30\n", false}};
    for (const auto &step : steps) {
        commitNumber(step.number);
        EXPECT_EQ(!board->imgHomePic->Picture().isEmpty(), step.shown) << step.number;
    }
}

TEST_F(MeetTest, ASecondCopyOfTheProgramNeitherKeepsNorRestoresTheFirstOnesBoard)
{
    start({.startList = listFile(), .noResults = true});
    commitNumber("12\n");
    Meet second({.noResults = true}, [this](const Notice &notice) { said += notice.text + u'\n'; });
    second.attach(board);
    EXPECT_TRUE(said.contains(QStringLiteral("Another Tallyard"))) << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("Restored")));
}

} // namespace
