// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/Form.h"
#include "platform/core/Properties.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/Forms.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/forms/frmSplash.h"
#include "scoreboard/settings/Settings.h"

#include <QApplication>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tallyard;

namespace {

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SettingsStore::setFolderOverride(store.path());
        resetSettingsToDefaults();
        registerProgramControls();
        Form::setScreenSizeOverride(QSize(1024, 768));
    }
    void TearDown() override
    {
        delete forms::existingSplash();
        delete forms::existingScoreboard();
        Form::setScreenSizeOverride({});
        SettingsStore::setFolderOverride({});
        resetSettingsToDefaults();
    }
    QTemporaryDir store;
};

TEST_F(SplashTest, SitsAboveTheCentreOfA1024By768Screen)
{
    frmSplash *splash = forms::splash();
    EXPECT_EQ(splash->Top(), 2820);
    EXPECT_EQ(splash->Left(), 4560);
    EXPECT_EQ(splash->Height(), 3240);
    EXPECT_EQ(splash->frameSplash->Height(), 3120);
    EXPECT_EQ(splash->BorderStyle(), Form::BorderNone);
}

TEST_F(SplashTest, ShowsTheVersionOfThisBuild)
{
    // The version CMake gives this build, not one the program or the test wrote down.
    EXPECT_EQ(variantToString(getPropertyByName(forms::splash()->lblVersion, u"Caption")),
              QStringLiteral("Version " TALLYARD_BUILD_VERSION));
}

TEST_F(SplashTest, LoadsTheSettingsBeforeItIsShown)
{
    {
        QSettings raw(store.filePath(QStringLiteral("Tallyard.ini")), QSettings::IniFormat);
        raw.setValue(QStringLiteral("KeySettings/KeyRoutine"), QStringLiteral("84"));
    }
    forms::splash();
    EXPECT_EQ(KeyRoutine, 84);
}

TEST_F(SplashTest, HelpHasTheFocusFirst)
{
    frmSplash *splash = forms::splash();
    splash->Show();
    QApplication::setActiveWindow(splash);
    ASSERT_TRUE(QTest::qWaitForWindowActive(splash));
    EXPECT_TRUE(splash->cmdHelp->isAncestorOf(QApplication::focusWidget())
                || QApplication::focusWidget() == splash->cmdHelp);
}

TEST_F(SplashTest, AClickOnALabelOpensTheBoardAndClosesThePanel)
{
    QPointer<frmSplash> splash = forms::splash();
    splash->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
    Control *label = splash->control(QStringLiteral("lblClick"));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    ASSERT_NE(forms::existingScoreboard(), nullptr);
    EXPECT_TRUE(forms::existingScoreboard()->isVisible());
}

TEST_F(SplashTest, AClickOnTheLogoOrTheFrameOpensTheBoardToo)
{
    for (const char *name : {"picLogo", "frameSplash"}) {
        frmSplash *splash = forms::splash();
        splash->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
        QTest::mouseClick(splash->control(QString::fromLatin1(name)), Qt::LeftButton, {}, QPoint(3, 3));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(forms::existingSplash(), nullptr) << name;
        EXPECT_NE(forms::existingScoreboard(), nullptr) << name;
    }
}

TEST_F(SplashTest, F1AndF2DoNothingOnThePanel)
{
    int helps = 0;
    int options = 0;
    forms::setHelpOverride([&] { ++helps; });
    forms::setOptionsOverride([&](QWidget *) { ++options; });
    frmSplash *splash = forms::splash();
    splash->Show();
    QApplication::setActiveWindow(splash);
    ASSERT_TRUE(QTest::qWaitForWindowActive(splash));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_EQ(helps, 0);
    EXPECT_EQ(options, 0);
    EXPECT_NE(forms::existingSplash(), nullptr);
    EXPECT_EQ(forms::existingScoreboard(), nullptr);
    // The buttons do open them.
    QTest::mouseClick(splash->cmdHelp, Qt::LeftButton);
    EXPECT_EQ(helps, 1);
    forms::setHelpOverride({});
    forms::setOptionsOverride({});
}

} // namespace
