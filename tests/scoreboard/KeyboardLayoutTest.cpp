// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Keys from the X server on keyboards that are not US English: setxkbmap switches the layout
// of the test's display, and xdotool presses physical keys by their X keycodes (evdev).
// Skips without an X server, setxkbmap or xdotool.
#include "tests/scoreboard/BoardFixture.h"

#include "scoreboard/forms/frmOptions.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <string>

using namespace tallyard;
using namespace tallyard::test;

namespace {

bool run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return true;
}

class KeyboardLayouts : public BoardTest {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1StringView("xcb"))
            GTEST_SKIP() << "needs an X server (the test command runs one)";
        for (const char *tool : {"setxkbmap", "xdotool"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        }
        QString query;
        if (!run(QStringLiteral("setxkbmap"), {QStringLiteral("-query")}, &query))
            GTEST_SKIP() << "setxkbmap cannot read the keyboard layout";
        const auto field = [&query](const char *name) {
            const QRegularExpression line(QStringLiteral("^%1:\\s*(\\S+)").arg(QLatin1StringView(name)),
                                          QRegularExpression::MultilineOption);
            return line.match(query).captured(1);
        };
        if (field("rules") != u"evdev")
            GTEST_SKIP() << "the keycodes here are those of the evdev rules";
        original = field("layout").isEmpty() ? QStringLiteral("us") : field("layout");
        BoardTest::SetUp();
    }
    void TearDown() override
    {
        delete dialog.data();
        if (!original.isEmpty())
            run(QStringLiteral("setxkbmap"), {original});
        BoardTest::TearDown();
    }

    void useLayout(const char *layout)
    {
        ASSERT_TRUE(run(QStringLiteral("setxkbmap"), {QString::fromLatin1(layout)})) << layout;
    }
    // Physical keys by keycode, or keysym names; "shift+13" holds Shift.
    void pressKeys(const QString &keys)
    {
        ASSERT_TRUE(run(QStringLiteral("xdotool"),
                        QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} + keys.split(u' ')));
    }

    void openOptions()
    {
        dialog = new frmOptions();
        dialog->Show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }
    void clickRoutineKey()
    {
        // Apart in the events' time, so that two clicks never make a double-click.
        QTest::mouseClick(dialog->control(QStringLiteral("lblKeyRoutine")), Qt::LeftButton, {}, QPoint(4, 4),
                          QApplication::doubleClickInterval() + 1);
    }
    std::string routineCaption() const
    {
        return variantToString(getPropertyByName(dialog->control(QStringLiteral("lblKeyRoutine")), u"Caption"))
            .toStdString();
    }

    QString original;
    QPointer<frmOptions> dialog;
};

TEST_F(KeyboardLayouts, TheTopRowTypesTheGymnastNumberWithoutShiftOnEveryLayout)
{
    struct Case {
        const char *layout;
        const char *keys;
    };
    // Keycodes: 13 and 11 are the keys 4 and 2 of the top row, 51 the key beside Enter
    // ("*" on AZERTY, no digit).
    const Case cases[] = {
        {"us", "13 11 Return"},
        {"fr", "13 11 Return"},
        {"fr", "shift+13 shift+11 Return"},
        {"fr", "13 51 11 Return"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.layout << ": " << c.keys);
        useLayout(c.layout);
        setPropertyByName(board->nledGymnastNum, u"Caption", 0);
        focus(board->nledGymnastNum);
        pressKeys(QString::fromLatin1(c.keys));
        EXPECT_TRUE(waitUntil([&] { return caption(board->nledGymnastNum) == 42; })) << caption(board->nledGymnastNum);
    }
}

TEST_F(KeyboardLayouts, KeysWithoutACodeAreRefusedInTheOptionsDialog)
{
    struct Case {
        const char *layout;
        const char *key;
        const char *shown;
    };
    const Case cases[] = {
        {"de", "94", "Choose another"}, // the "<" key beside the left Shift
        {"de", "Super_L", "Choose another"},
        {"de", "49", "Choose another"}, // the dead "^" left of 1
        {"de", "29", "Z"},              // where US has Y: the layout decides letters
        // The key beside Enter: the backslash on US, "*" on AZERTY. A layout switched while
        // the program runs counts at once.
        {"us", "51", "\\"},
        {"fr", "51", "Choose another"},
    };
    openOptions();
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.layout << ": " << c.key);
        useLayout(c.layout);
        const std::string before = routineCaption();
        clickRoutineKey();
        ASSERT_EQ(routineCaption(), "<Press any key>");
        pressKeys(QString::fromLatin1(c.key));
        EXPECT_TRUE(waitUntil([&] { return routineCaption() != "<Press any key>"; }));
        EXPECT_EQ(routineCaption(), c.shown);
        if (routineCaption() == "Choose another") {
            // The capture stays on; a second click ends it with the old key.
            clickRoutineKey();
            EXPECT_EQ(routineCaption(), before);
        }
    }
}

} // namespace
