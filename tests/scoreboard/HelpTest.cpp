// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The help window: what it shows, how it follows its size, and that there is one.
#include "platform/intrinsics/RichTextBox.h"
#include "platform/readers/RtfReader.h"
#include "platform/system/ProgramInfo.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/Forms.h"
#include "scoreboard/forms/frmHelp.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace tallyard;

namespace {

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerProgramControls();
        setProgramFolderOverride(folder.path());
    }
    void TearDown() override
    {
        delete forms::existingHelp();
        setProgramFolderOverride({});
    }
    void writeHelp(const QByteArray &bytes)
    {
        QFile file(folder.filePath(QStringLiteral("tallyardhelpfile.rtf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString shownText() { return qobject_cast<RichTextBox *>(forms::help()->rtbHelp)->Text(); }

    QTemporaryDir folder;
};

TEST_F(HelpTest, ShowsTheHelpDocumentOrSaysItIsMissing)
{
    struct Case {
        const char *what;
        const char *file; // nullptr: no file
        QString shown;
    };
    const Case cases[] = {
        {"missing", nullptr, frmHelp::missingFileMessage()},
        {"a help document", "{\\rtf1 {\\b Keys}\\par R starts the Routine clock.}",
         QStringLiteral("Keys\nR starts the Routine clock.")},
        {"no help document", "plain words", frmHelp::missingFileMessage()},
    };
    EXPECT_EQ(frmHelp::missingFileMessage(),
              QStringLiteral("Help file has been moved from its normal location.  Please reinstall the program."));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(folder.filePath(QStringLiteral("tallyardhelpfile.rtf")));
        if (c.file)
            writeHelp(c.file);
        EXPECT_EQ(shownText(), c.shown);
        EXPECT_EQ(forms::help()->Caption(), QStringLiteral("Tallyard Help"));
        delete forms::existingHelp();
    }
}

TEST_F(HelpTest, TheTextAreaFollowsTheWindowAndTheWindowKeepsItsMinimum)
{
    frmHelp *help = forms::help();
    help->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    struct Case {
        double width, height; // asked for, outer
        double keptWidth, keptHeight;
    };
    const Case cases[] = {{6000, 5000, 6000, 5000}, {1500, 900, 2700, 1700}, {2000, 4000, 2700, 4000}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        help->Move(help->Left(), help->Top(), c.width, c.height);
        QCoreApplication::processEvents();
        EXPECT_NEAR(help->Width(), c.keptWidth, 15);
        EXPECT_NEAR(help->Height(), c.keptHeight, 15);
        EXPECT_NEAR(help->rtbHelp->Width(), help->Width() - 240, 0.5);
        EXPECT_NEAR(help->rtbHelp->Height(), help->Height() - 420, 0.5);
        auto *box = qobject_cast<RichTextBox *>(help->rtbHelp);
        EXPECT_NEAR(box->RightMargin(), help->rtbHelp->Width() - 450, 0.5);
        EXPECT_EQ(box->editor()->lineWrapColumnOrWidth(), static_cast<int>(box->RightMargin() / 15));
    }
    // Minimised, nothing changes.
    const QRectF before(help->rtbHelp->Left(), help->rtbHelp->Top(), help->rtbHelp->Width(), help->rtbHelp->Height());
    help->setWindowState(Form::Minimized);
    QCoreApplication::processEvents();
    EXPECT_EQ(QRectF(help->rtbHelp->Left(), help->rtbHelp->Top(), help->rtbHelp->Width(), help->rtbHelp->Height()),
              before);
}

// The document delivered beside the program, read as the operator sees it.
TEST(HelpDocument, ReadsWithEveryHeadingAndNoControlWordShowsAsText)
{
    QTextDocument document;
    ASSERT_TRUE(
        loadRtfFile(QCoreApplication::applicationDirPath() + QStringLiteral("/tallyardhelpfile.rtf"), document));
    QStringList headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty() && block.begin() != block.end()) {
            const QTextCharFormat first = block.begin().fragment().charFormat();
            if (first.fontWeight() >= QFont::Bold && first.fontPointSize() >= 14)
                headings << block.text();
        }
    }
    const QStringList expected = {QStringLiteral("Tallyard Help"),
                                  QStringLiteral("Starting Tallyard"),
                                  QStringLiteral("The board"),
                                  QStringLiteral("In the hall"),
                                  QStringLiteral("On other screens and in a stream"),
                                  QStringLiteral("Control from anywhere"),
                                  QStringLiteral("The meet: start list, results and a crash"),
                                  QStringLiteral("Keys at a glance"),
                                  QStringLiteral("Running the clocks"),
                                  QStringLiteral("Setting a clock's time"),
                                  QStringLiteral("Entering the score"),
                                  QStringLiteral("Entering the gymnast number"),
                                  QStringLiteral("Event name, gymnast name and team"),
                                  QStringLiteral("The buzzer"),
                                  QStringLiteral("The Options dialog"),
                                  QStringLiteral("What Tallyard keeps"),
                                  QStringLiteral("Tips")};
    EXPECT_EQ(headings, expected);
    const QString text = document.toPlainText();
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\\\[a-z']")))) << "a control word shows as text";
    EXPECT_FALSE(text.contains(u'{') || text.contains(u'}'));
    EXPECT_TRUE(text.contains(u'\u2022')) << "the bullets read as bullets";
    for (const char *option :
         {"--screen", "--fullscreen", "--audience-screen", "--list-screens", "--start-list", "--results",
          "--no-results", "--resume", "--serve", "--control", "--gamepads", "--export-bindings", "--import-bindings"})
        EXPECT_TRUE(text.contains(QLatin1StringView(option))) << option;
}

TEST_F(HelpTest, AskedForTwiceItIsOneWindowThatDoesNotBlock)
{
    forms::showHelp();
    QPointer<frmHelp> first = forms::existingHelp();
    ASSERT_TRUE(first);
    EXPECT_FALSE(first->isModalRunning());
    EXPECT_FALSE(first->isModal());
    forms::showHelp();
    EXPECT_EQ(forms::existingHelp(), first.data());
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += qobject_cast<frmHelp *>(w) && w->isVisible() ? 1 : 0;
    EXPECT_EQ(windows, 1);
    // Minimised, it comes back.
    first->showMinimized();
    QCoreApplication::processEvents();
    forms::showHelp();
    QCoreApplication::processEvents();
    EXPECT_FALSE(first->isMinimized());
    EXPECT_TRUE(first->isVisible());
    // Closed, the next call loads it anew.
    first->Unload();
    QCoreApplication::processEvents();
    forms::showHelp();
    EXPECT_NE(forms::existingHelp(), nullptr);
}

} // namespace
