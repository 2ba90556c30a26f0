// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The Options dialog driven through its own widgets: the message box and the common dialog
// answered by the test, NumLock by a stand-in keyboard, the store in a folder of the test's.
#include "platform/core/Properties.h"
#include "platform/intrinsics/CommandButton.h"
#include "platform/intrinsics/CommonDialog.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/Label.h"
#include "platform/intrinsics/OptionButton.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/ScrollBar.h"
#include "platform/intrinsics/ComboBox.h"
#include "platform/intrinsics/MessageBox.h"
#include "platform/intrinsics/SSTab.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/system/NumLock.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/frmOptions.h"
#include "scoreboard/settings/Settings.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace tallyard;

namespace {

NumLockState keyboard = NumLockState::Off;
int writes = 0;

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SettingsStore::setFolderOverride(store.path());
        resetSettingsToDefaults();
        registerProgramControls();
        keyboard = NumLockState::Off;
        writes = 0;
        setNumLockOverride({[] { return keyboard; },
                            [](bool on) {
                                ++writes;
                                keyboard = on ? NumLockState::On : NumLockState::Off;
                                return true;
                            }});
        setMessageBoxOverride([this](const MessageBoxQuestion &q) {
            questions << q;
            return answer;
        });
        CommonDialog::setChooserOverride({[this](qint32) { return colorChoice; },
                                          [this](const CommonDialog::OpenRequest &r) {
                                              requests << r;
                                              return fileChoice;
                                          }});
    }
    void TearDown() override
    {
        delete dialog.data();
        setNumLockOverride({});
        setMessageBoxOverride({});
        CommonDialog::setChooserOverride({});
        SettingsStore::setFolderOverride({});
        resetSettingsToDefaults();
    }

    // Stores the current variables, as an earlier OK left them.
    void storeSettings()
    {
        SettingsStore s(ApplicationName);
        SaveSettings(s);
    }
    QByteArray storedBytes() const
    {
        QFile file(store.filePath(QStringLiteral("Tallyard.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void open()
    {
        dialog = new frmOptions();
        dialog->Show();
        QApplication::setActiveWindow(dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        QCoreApplication::processEvents();
    }
    Control *element(const char *name) const { return dialog->control(QString::fromLatin1(name)); }
    void click(const char *name) { click(element(name)); }
    void click(Control *c)
    {
        // The operator first brings up the tab the control lies on.
        auto *tabs = qobject_cast<SSTab *>(dialog->SSTab1);
        for (QWidget *w = c; w; w = w->parentWidget()) {
            if (const int tab = tabs->tabOf(w); tab >= 0) {
                tabs->setTab(static_cast<qint16>(tab));
                break;
            }
        }
        QWidget *target = c;
        if (auto *box = qobject_cast<TextBox *>(c))
            target = box->editor();
        // Each click apart from the last in the events' time, so two never make a double-click.
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4), QApplication::doubleClickInterval() + 1);
        QCoreApplication::processEvents();
    }
    void keyOnCapture(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(qobject_cast<TextBox *>(dialog->txtGetKey)->editor(), key, modifiers);
    }
    QString caption(const char *name) const { return variantToString(getPropertyByName(element(name), u"Caption")); }
    qint32 color(const char *name) const { return variantToInt32(getPropertyByName(element(name), u"BackColor")); }
    bool closed() const { return dialog.isNull() || dialog->isUnloaded(); }

    QTemporaryDir store;
    QPointer<frmOptions> dialog;
    int answer = msgbox::Yes;
    QList<MessageBoxQuestion> questions;
    std::optional<qint32> colorChoice;
    std::optional<QString> fileChoice;
    QList<CommonDialog::OpenRequest> requests;
};

// ---- Loading, OK and Cancel ---------------------------------------------------------------

TEST_F(OptionsTest, OpensOnTheKeysTabWithTheFocusOnOk)
{
    open();
    EXPECT_EQ(dialog->Caption(), QStringLiteral("Options"));
    EXPECT_EQ(dialog->ScaleWidth(), 6300);
    EXPECT_EQ(dialog->ScaleHeight(), 4890);
    // Its border is fixed: dragged smaller, Ok and Cancel would be hidden.
    dialog->resize(200, 120);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog->ScaleWidth(), 6300);
    EXPECT_EQ(dialog->ScaleHeight(), 4890);
    EXPECT_EQ(variantToInt32(getPropertyByName(dialog->SSTab1, u"Tab")), 0);
    EXPECT_TRUE(dialog->cmdOk->hasFocus());
    EXPECT_EQ(caption("cmdOk"), QStringLiteral("&Ok"));
    EXPECT_EQ(caption("cmdCancel"), QStringLiteral("&Cancel"));
}

TEST_F(OptionsTest, OkWithoutAChangeWritesEverySettingBackUnchanged)
{
    ColorRoutine = 0x123456;
    KeyChime = 'Q';
    LEDSelectedWidth = 4;
    NumLockForce = 2;
    HomePic = QStringLiteral("/no/such/home.png");
    DigitLEDType = 1;
    storeSettings();
    const QByteArray before = storedBytes();
    open();
    click("cmdOk");
    EXPECT_TRUE(closed());
    EXPECT_EQ(storedBytes(), before);
    EXPECT_EQ(writes, 0); // NumLock already off: nothing sent
}

TEST_F(OptionsTest, CancelEscAndTheCloseBoxLeaveStoreAndNumLockUntouched)
{
    storeSettings();
    const QByteArray before = storedBytes();
    const std::pair<const char *, std::function<void()>> ways[] = {
        {"Cancel", [this] { click("cmdCancel"); }},
        {"Esc", [this] { QTest::keyClick(dialog->cmdOk, Qt::Key_Escape); }},
        {"close box", [this] { dialog->close(); }},
    };
    for (const auto &[way, close] : ways) {
        SCOPED_TRACE(way);
        open();
        colorChoice = 0x0000FF;
        click("cmdBackC");
        click("cmdResetKeys");
        click("cmdResetColors");
        click(dialog->optKeepOn);
        close();
        QCoreApplication::processEvents();
        EXPECT_TRUE(closed());
        EXPECT_EQ(storedBytes(), before);
        EXPECT_EQ(ColorFormBack, 0x404040);
        EXPECT_EQ(NumLockForce, 0);
        EXPECT_EQ(writes, 0);
    }
}

TEST_F(OptionsTest, ResetsAskFirstAndNoChangesNothing)
{
    KeyRoutine = 'X';
    ColorFall = 0x00FF00;
    BuzzerFile = QStringLiteral("/tmp/other.wav");
    open();
    answer = msgbox::No;
    for (const char *reset : {"cmdResetColors", "cmdResetKeys", "cmdResetAdditSetttings"})
        click(reset);
    EXPECT_EQ(caption("lblKeyRoutine"), QStringLiteral("X"));
    EXPECT_EQ(color("picFallC"), 0x00FF00);
    EXPECT_EQ(dialog->BuzzTemp, QStringLiteral("/tmp/other.wav"));
    struct Asked {
        const char *prompt;
        const char *title;
    };
    const Asked asked[] = {{"Are you sure you want to reset the colors?", "Reset Colors"},
                           {"Are you sure you want to reset Keys and Numlock option?", "Reset Keys"},
                           {"Are you sure you want to reset these settings?", "Reset Settings?"}};
    ASSERT_EQ(questions.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(questions[i].prompt, QString::fromLatin1(asked[i].prompt));
        EXPECT_EQ(questions[i].title, QString::fromLatin1(asked[i].title));
        EXPECT_EQ(questions[i].buttons, msgbox::YesNo | msgbox::Question);
    }
}

TEST_F(OptionsTest, ResetsAnsweredYesRestoreTheDefaultsOnlyOnOk)
{
    KeyRoutine = 'X';
    NumLockForce = 1;
    keyboard = NumLockState::On;
    ColorFall = 0x00FF00;
    BuzzerFile = QString();
    open();
    for (const char *reset : {"cmdResetColors", "cmdResetKeys", "cmdResetAdditSetttings"})
        click(reset);
    const char *labels[] = {"lblKeyRoutine", "lblKeyFall", "lblKeyWarmUp", "lblKeyReset", "lblKeyClear", "lblKeyChime"};
    const char *names[] = {"R", "F", "W", "G", "Delete", "C"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(caption(labels[i]), QString::fromLatin1(names[i])) << labels[i];
    EXPECT_TRUE(variantToBool(getPropertyByName(dialog->optNormal, u"Value")));
    EXPECT_EQ(color("picFallC"), 0x0000FF);
    EXPECT_EQ(dialog->BuzzTemp, defaultBuzzerFile());
    EXPECT_EQ(KeyRoutine, 'X'); // only the working copy so far
    click("cmdOk");
    EXPECT_EQ(KeyRoutine, 'R');
    EXPECT_EQ(ColorFall, 0x0000FF);
    EXPECT_EQ(NumLockForce, 0);
    EXPECT_EQ(BuzzerFile, defaultBuzzerFile());
    EXPECT_EQ(writes, 0); // "Normal Mode" leaves NumLock as it is
}

TEST_F(OptionsTest, TheOutlineWidthRoundTripsAndAResetLeavesTheScrollBar)
{
    for (int16_t width = 0; width <= 5; ++width) {
        LEDSelectedWidth = width;
        open();
        EXPECT_EQ(caption("lblLEDSelectedWidthValue"), QString::number(width));
        click("cmdOk");
        EXPECT_EQ(LEDSelectedWidth, width);
    }
    LEDSelectedWidth = 3;
    open();
    click("cmdResetColors");
    EXPECT_EQ(variantToInt32(getPropertyByName(dialog->scrLEDSelectedWidth, u"Value")), 3);
    EXPECT_EQ(caption("lblLEDSelectedWidthValue"), QStringLiteral("0"));
    // The bar moved again: the label follows it. Its up arrow raises the width, to 5 at most.
    dialog->scrLEDSelectedWidth->SetFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(caption("lblLEDSelectedWidthValue"), QStringLiteral("5"));
    click("cmdOk");
    EXPECT_EQ(LEDSelectedWidth, 5);
}

TEST_F(OptionsTest, StoredValuesTheDialogCannotShowAreKeptByOk)
{
    NumLockForce = 3;
    LEDSelectedWidth = 9;
    DigitLEDType = 4;
    open();
    for (Control *option : {dialog->optNormal, dialog->optKeepOn, dialog->optKeepOff})
        EXPECT_FALSE(variantToBool(getPropertyByName(option, u"Value")));
    EXPECT_EQ(caption("lblLEDSelectedWidthValue"), QStringLiteral("9"));
    click("cmdOk");
    EXPECT_EQ(NumLockForce, 3);
    EXPECT_EQ(LEDSelectedWidth, 9);
    EXPECT_EQ(DigitLEDType, 4);
}

TEST_F(OptionsTest, KeepNumlockOnOrOffSwitchesItBeforeTheDialogCloses)
{
    const struct {
        OptionButton *frmOptions::*option;
        NumLockState from, to;
        int32_t force;
    } choices[] = {{&frmOptions::optKeepOn, NumLockState::Off, NumLockState::On, 1},
                   {&frmOptions::optKeepOff, NumLockState::On, NumLockState::Off, 2}};
    for (const auto &c : choices) {
        SCOPED_TRACE(c.force);
        keyboard = c.from;
        writes = 0;
        open();
        NumLockState whileOpen = c.from;
        QObject::connect(dialog, &Form::Unloaded, [&] { whileOpen = keyboard; });
        click(dialog->*c.option);
        EXPECT_EQ(writes, 0); // nothing before OK
        click("cmdOk");
        EXPECT_EQ(whileOpen, c.to);
        EXPECT_EQ(writes, 1);
        EXPECT_EQ(NumLockForce, c.force);
    }
}

TEST_F(OptionsTest, TheSoundFileShowsWholeUpTo50Characters)
{
    const QString folder = store.path() + QStringLiteral("/s");
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto pathOf = [&](int length) {
        QString path = folder + u'/';
        path += QString(length - path.size() - 4, u'a') + QStringLiteral(".wav");
        QFile(path).open(QIODevice::WriteOnly);
        return path;
    };
    const QString fifty = pathOf(50);
    const QString fiftyOne = pathOf(51);
    ASSERT_EQ(fiftyOne.size(), 51);
    struct Case {
        QString path;
        QString shown;
    };
    const Case cases[] = {{QString(), QStringLiteral("[No File Selected]")},
                          {fifty, fifty},
                          {fiftyOne, fiftyOne.left(10) + QStringLiteral(" ...\\") + QFileInfo(fiftyOne).fileName()}};
    for (const Case &c : cases) {
        BuzzerFile = c.path;
        open();
        EXPECT_EQ(caption("lblBFile"), c.shown);
        delete dialog.data();
    }
}

// ---- Key assignment ----------------------------------------------------------------------

TEST_F(OptionsTest, AKeyIsAssignedOnlyWhenItHasANameAndIsFree)
{
    struct Case {
        const char *what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *shown;
        qint16 assigned; // the Routine key afterwards
    };
    const Case cases[] = {
        {"a digit", Qt::Key_5, Qt::NoModifier, "Choose another", 'R'},
        {"F1", Qt::Key_F1, Qt::NoModifier, "Choose another", 'R'},
        {"F2", Qt::Key_F2, Qt::NoModifier, "Choose another", 'R'},
        {"Space", Qt::Key_Space, Qt::NoModifier, "Choose another", 'R'},
        {"F10", Qt::Key_F10, Qt::NoModifier, "Choose another", 'R'},
        {"Shift alone", Qt::Key_Shift, Qt::ShiftModifier, "Choose another", 'R'},
        {"the Fall key", Qt::Key_F, Qt::NoModifier, "Choose another", 'R'},
        {"its own key", Qt::Key_R, Qt::NoModifier, "R", 'R'},
        {"Ctrl alone", Qt::Key_Control, Qt::ControlModifier, "Ctrl", 17},
        {"F12", Qt::Key_F12, Qt::NoModifier, "F12", 123},
        {"the apostrophe", Qt::Key_Apostrophe, Qt::NoModifier, "\"", 222},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open();
        click("lblKeyRoutine");
        EXPECT_EQ(caption("lblKeyRoutine"), QStringLiteral("<Press any key>"));
        EXPECT_EQ(color("lblKeyRoutine"), 0x80FFFF);
        keyOnCapture(c.key, c.modifiers);
        EXPECT_EQ(caption("lblKeyRoutine"), QString::fromUtf8(c.shown));
        const bool accepted = std::string_view(c.shown) != "Choose another";
        EXPECT_EQ(color("lblKeyRoutine"), accepted ? 0xFFFFFF : 0x80FFFF);
        click("cmdOk");
        EXPECT_EQ(KeyRoutine, c.assigned);
        resetSettingsToDefaults();
    }
}

TEST_F(OptionsTest, EveryNamedKeyIsAssignedUnderItsName)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *name;
    } keys[] = {
        {Qt::Key_F3, {}, "F3"},
        {Qt::Key_F9, {}, "F9"},
        {Qt::Key_F11, {}, "F11"},
        {Qt::Key_Asterisk, Qt::KeypadModifier, "Numpad *"},
        {Qt::Key_Slash, Qt::KeypadModifier, "Numpad /"},
        {Qt::Key_Semicolon, {}, ";"},
        {Qt::Key_Comma, {}, ","},
        {Qt::Key_Slash, {}, "/"},
        {Qt::Key_QuoteLeft, {}, "`"},
        {Qt::Key_BracketLeft, {}, "["},
        {Qt::Key_Backslash, {}, "\\"},
        {Qt::Key_BracketRight, {}, "]"},
        {Qt::Key_Pause, {}, "Pause/Break"},
        {Qt::Key_PageUp, {}, "Page Up"},
        {Qt::Key_PageDown, {}, "Page Down"},
        {Qt::Key_Home, {}, "Home"},
        {Qt::Key_End, {}, "End"},
        {Qt::Key_Insert, {}, "Insert"},
        {Qt::Key_Backspace, {}, "Backspace"},
    };
    open();
    for (const auto &k : keys) {
        SCOPED_TRACE(k.name);
        click("lblKeyChime");
        keyOnCapture(k.key, k.modifiers);
        EXPECT_EQ(caption("lblKeyChime"), QString::fromLatin1(k.name));
        EXPECT_EQ(color("lblKeyChime"), 0xFFFFFF);
    }
}

TEST_F(OptionsTest, EscOrAClickElsewhereEndsACaptureWithTheOldKey)
{
    open();
    // Esc is the dialog's Cancel, also while a key is being chosen: nothing is stored.
    click("lblKeyRoutine");
    keyOnCapture(Qt::Key_Escape);
    EXPECT_TRUE(closed());
    EXPECT_EQ(KeyRoutine, 'R');
    EXPECT_TRUE(storedBytes().isEmpty());
    // A click on another tab, or on a button, abandons the capture.
    const std::pair<const char *, std::function<void()>> elsewhere[] = {
        {"another tab",
         [this] {
             auto *tabs = qobject_cast<SSTab *>(dialog->SSTab1);
             QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
             QCoreApplication::processEvents();
             tabs->setTab(0);
         }},
        {"a button",
         [this] {
             answer = msgbox::No;
             click("cmdResetKeys");
         }},
    };
    for (const auto &[where, away] : elsewhere) {
        SCOPED_TRACE(where);
        open();
        click("lblKeyRoutine");
        away();
        EXPECT_EQ(caption("lblKeyRoutine"), QStringLiteral("R"));
        EXPECT_EQ(color("lblKeyRoutine"), 0xFFFFFF);
        keyOnCapture(Qt::Key_X);
        EXPECT_EQ(caption("lblKeyRoutine"), QStringLiteral("R"));
        click("cmdOk");
        EXPECT_EQ(KeyRoutine, 'R');
    }
}

TEST_F(OptionsTest, CapturesMoveCancelAndEndAsTheOperatorExpects)
{
    open();
    // A refused key, then an accepted one.
    click("lblKeyRoutine");
    keyOnCapture(Qt::Key_1);
    keyOnCapture(Qt::Key_X);
    EXPECT_EQ(caption("lblKeyRoutine"), QStringLiteral("X"));
    EXPECT_EQ(color("lblKeyRoutine"), 0xFFFFFF);
    // A second click cancels: the label keeps its key.
    click("lblKeyFall");
    click("lblKeyFall");
    EXPECT_EQ(caption("lblKeyFall"), QStringLiteral("F"));
    EXPECT_EQ(color("lblKeyFall"), 0xFFFFFF);
    keyOnCapture(Qt::Key_Y);
    EXPECT_EQ(caption("lblKeyFall"), QStringLiteral("F"));
    // Clicking B while A captures restores A and captures on B.
    click("lblKeyWarmUp");
    click("lblKeyChime");
    EXPECT_EQ(caption("lblKeyWarmUp"), QStringLiteral("W"));
    EXPECT_EQ(caption("lblKeyChime"), QStringLiteral("<Press any key>"));
    // The focus leaving the capture box abandons it; OK during a capture keeps the old key.
    QTest::keyClick(qobject_cast<TextBox *>(dialog->txtGetKey)->editor(), Qt::Key_Tab);
    EXPECT_EQ(caption("lblKeyChime"), QStringLiteral("C"));
    click("lblKeyClear");
    click("cmdOk");
    EXPECT_EQ(KeyRoutine, 'X');
    EXPECT_EQ(KeyClear, 46);
    EXPECT_EQ(KeyChime, 'C');
}

// ---- Editors -----------------------------------------------------------------------------

TEST_F(OptionsTest, CancelledChoicesChangeNothingAndChosenOnesTheWorkingCopyOnly)
{
    const QString picture = store.filePath(QStringLiteral("home.jpg"));
    QImage(40, 20, QImage::Format_RGB32).save(picture, "JPG");
    const QString sound = store.filePath(QStringLiteral("buzz.wav"));
    QFile(sound).open(QIODevice::WriteOnly);
    open();
    colorChoice = std::nullopt;
    click("cmdRountineC");
    EXPECT_EQ(color("picRoutineC"), 0x00C000);
    colorChoice = 0x112233;
    click("cmdRountineC");
    EXPECT_EQ(color("picRoutineC"), 0x112233);

    fileChoice = picture;
    click("cmdChangeHomePic");
    EXPECT_EQ(dialog->HomePicTemp, picture);
    EXPECT_EQ(requests.last().filters, QStringList{QStringLiteral("Pictures (*.bmp;*.gif;*.jpg) (*.bmp *.gif *.jpg)")});
    EXPECT_TRUE(requests.last().mustExist);
    fileChoice = std::nullopt; // cancelled, after a file was chosen earlier
    click("cmdChangeVisitorPic");
    EXPECT_TRUE(dialog->VisitorPicTemp.isEmpty());
    fileChoice = sound;
    click("cmdBuzzerSound");
    EXPECT_EQ(dialog->BuzzTemp, sound);
    EXPECT_EQ(requests.last().filters, QStringList{QStringLiteral("Sounds *.wav (*.wav)")});
    EXPECT_EQ(requests.last().fileName, picture); // the last file is proposed again
    fileChoice = std::nullopt;
    click("cmdBuzzerSound");
    EXPECT_EQ(dialog->BuzzTemp, sound);
    EXPECT_EQ(ColorRoutine, 0x00C000);
    click("cmdOk");
    EXPECT_EQ(ColorRoutine, 0x112233);
    EXPECT_EQ(HomePic, picture);
    EXPECT_EQ(BuzzerFile, sound);
}

TEST_F(OptionsTest, TheFileChoosersShowEachFilterCaptionOnce)
{
    CommonDialog::setChooserOverride({}); // the real open-file dialog
    open();
    const std::pair<const char *, const char *> choosers[] = {
        {"cmdChangeHomePic", "Pictures (*.bmp;*.gif;*.jpg)"},
        {"cmdBuzzerSound", "Sounds *.wav"},
    };
    for (const auto &[button, caption] : choosers) {
        SCOPED_TRACE(button);
        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *chooser = qobject_cast<QFileDialog *>(w)) {
                    if (auto *types = chooser->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
                        for (int i = 0; i < types->count(); ++i)
                            shown << types->itemText(i);
                    chooser->reject();
                }
        });
        click(button);
        EXPECT_EQ(shown, QStringList{QString::fromLatin1(caption)});
    }
}

TEST_F(OptionsTest, ClearEmptiesAPictureOnlyWhenConfirmed)
{
    const QString picture = store.filePath(QStringLiteral("team.png"));
    QImage(30, 30, QImage::Format_RGB32).save(picture, "PNG");
    for (const char *close : {"cmdCancel", "cmdOk"}) {
        HomePic = picture;
        open();
        EXPECT_GT(variantToDouble(getPropertyByName(dialog->imgHomePicPreview, u"PictureWidth")), 0);
        click("cmdClearHomePic");
        EXPECT_EQ(variantToDouble(getPropertyByName(dialog->imgHomePicPreview, u"PictureWidth")), 0);
        click(close);
        EXPECT_EQ(HomePic, std::string_view(close) == "cmdOk" ? QString() : picture) << close;
    }
}

TEST_F(OptionsTest, DotsShowInThePreviewAtOnceAndInTheSettingOnlyAfterOk)
{
    open();
    EXPECT_EQ(variantToInt32(getPropertyByName(dialog->pledPreview, u"LedType")), 0);
    EXPECT_EQ(caption("pledPreview"), QStringLiteral("8"));
    auto *list = qobject_cast<ComboBox *>(dialog->cmbLedType);
    EXPECT_EQ(list->List(0), QStringLiteral("Lines"));
    EXPECT_EQ(list->List(1), QStringLiteral("Dots"));
    list->setListIndex(1);
    EXPECT_EQ(variantToInt32(getPropertyByName(dialog->pledPreview, u"LedType")), 1);
    EXPECT_EQ(DigitLEDType, 0);
    click("cmdOk");
    EXPECT_EQ(DigitLEDType, 1);
}

TEST_F(OptionsTest, AStoreThatCannotBeWrittenStillClosesWithTheNewValues)
{
    // A folder where the settings file should be: nothing can be written there.
    ASSERT_TRUE(QDir(store.path()).mkpath(QStringLiteral("Tallyard.ini")));
    open();
    colorChoice = 0x445566;
    click("cmdBackC");
    click("cmdOk");
    EXPECT_TRUE(closed());
    EXPECT_EQ(ColorFormBack, 0x445566);
    EXPECT_TRUE(QFileInfo(store.filePath(QStringLiteral("Tallyard.ini"))).isDir());
}

} // namespace

// ---- From the board ------------------------------------------------------------------------

#include "tests/scoreboard/BoardFixture.h"

#include "platform/intrinsics/MMControl.h"
#include "platform/system/ProgramInfo.h"
#include "scoreboard/forms/Forms.h"

#include <QTimer>

#include <vector>

namespace {

using tallyard::test::BoardTest;

TEST_F(BoardTest, F2OpensTheOptionsOverTheRunningBoardAndOkRepaintsItInTheNewColours)
{
    CommonDialog::setChooserOverride({[](qint32) { return std::optional<qint32>(0x102030); }, {}});
    focus(board->tledRoutine);
    press(Qt::Key_R);
    ASSERT_TRUE(running(board->tkRoutine));
    QString shownWhileOpen;
    bool sawDialog = false;
    // The dialog runs its own event loop; the operator's part is played from a timer.
    QTimer operatorHand;
    QObject::connect(&operatorHand, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<frmOptions *>(QApplication::activeModalWidget());
        if (!dialog || dialog->isUnloaded())
            return;
        if (!sawDialog) {
            sawDialog = true;
            now.advance(3000);
            return;
        }
        shownWhileOpen = shown(board->tledRoutine);
        if (shownWhileOpen != QStringLiteral("29:57"))
            return; // the board's own timer has not ticked yet
        QTest::mouseClick(dialog->control(QStringLiteral("cmdBackC")), Qt::LeftButton);
        QTest::mouseClick(dialog->cmdOk, Qt::LeftButton);
    });
    operatorHand.start(10);
    press(Qt::Key_F2);
    operatorHand.stop();
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(shownWhileOpen, QStringLiteral("29:57")); // the clocks ran on under the dialog
    EXPECT_EQ(ColorFormBack, 0x102030);
    EXPECT_EQ(board->BackColor(), 0x102030);
    EXPECT_EQ(variantToInt32(getPropertyByName(board->txtEvent, u"BackColor")), 0x102030);
    CommonDialog::setChooserOverride({});
}

TEST_F(BoardTest, EachColourChangeReachesItsOwnSettingAndTheBoardElementsItColours)
{
    struct Swatch {
        const char *button;
        const char *key;
        std::vector<std::pair<const char *, const char *>> painted; // board element, property
    };
    const Swatch swatches[] = {
        {"cmdBackC", "Color_FormBack", {{"txtGymnastName", "BackColor"}, {"picHomePicContainer", "BackColor"}}},
        {"cmdRountineC", "Color_Routine", {{"tledRoutine", "LitColor"}}},
        {"cmdScoreC",
         "Color_ScoreLED",
         {{"nledScoreLeft", "LitColor"}, {"nledScoreRight", "LitColor"}, {"shpScore", "FillColor"}}},
        {"cmdGymnastNumC", "Color_GymnastLED", {{"nledGymnastNum", "LitColor"}}},
        {"cmdLEDB",
         "Color_LEDBack",
         {{"tledFall", "BackColor"}, {"picScoreBack", "BackColor"}, {"shpScore", "BorderColor"}}},
        {"cmdLedSelected", "Color_LEDSelected", {{"shpObjectSelected", "FillColor"}}},
        {"cmdBorderC",
         "Color_Border",
         {{"txtEvent", "ForeColor"}, {"Label4", "ForeColor"}, {"tledWarmUp", "SeparatorColor"}}},
        {"cmdFallC", "Color_Fall", {{"tledFall", "LitColor"}}},
        {"cmdWarmUpC", "Color_WarmUp", {{"tledWarmUp", "LitColor"}}},
    };
    // Each button gets a colour of its own from the colour picker.
    const auto colourOf = [](int i) { return static_cast<qint32>(0x102030 + 0x050403 * i); };
    int picked = 0;
    CommonDialog::setChooserOverride({[&](qint32) { return std::optional<qint32>(colourOf(picked++)); }, {}});
    QTimer operatorHand;
    QObject::connect(&operatorHand, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<frmOptions *>(QApplication::activeModalWidget());
        if (!dialog || dialog->isUnloaded())
            return;
        for (const Swatch &s : swatches)
            QTest::mouseClick(dialog->control(QString::fromLatin1(s.button)), Qt::LeftButton);
        QTest::mouseClick(dialog->cmdOk, Qt::LeftButton);
    });
    operatorHand.start(10);
    focus(board->tledRoutine);
    press(Qt::Key_F2);
    operatorHand.stop();
    CommonDialog::setChooserOverride({});
    ASSERT_EQ(picked, 9);
    const SettingsStore stored(ApplicationName);
    for (int i = 0; i < 9; ++i) {
        const Swatch &s = swatches[i];
        SCOPED_TRACE(s.button);
        EXPECT_EQ(stored.GetSetting(QStringLiteral("ColorSettings"), QString::fromLatin1(s.key), {}),
                  QString::number(colourOf(i)));
        for (const auto &[element, property] : s.painted)
            EXPECT_EQ(variantToInt32(getPropertyByName(board->control(QString::fromLatin1(element)),
                                                       QString::fromLatin1(property))),
                      colourOf(i))
                << element << "." << property;
    }
}

TEST_F(BoardTest, AfterOkOrCancelTheBoardOpensTheBuzzerSoundAgain)
{
    auto *buzzer = qobject_cast<MMControl *>(board->mmcBuzzer);
    const QString chime = programFolder() + QStringLiteral("/chime2.wav");
    ASSERT_TRUE(QFile::exists(chime));
    const QString other = store.filePath(QStringLiteral("other.wav"));
    ASSERT_TRUE(QFile::copy(chime, other));
    struct Closing {
        const char *how;
        std::function<void()> dialog; // what the dialog leaves behind
        QString opened;
    };
    const Closing closings[] = {
        {"Ok with another sound", [&] { BuzzerFile = other; }, other},
        {"Cancel", [] {}, other},
    };
    for (const Closing &c : closings) {
        SCOPED_TRACE(c.how);
        buzzer->setCommand(QStringLiteral("Close"));
        ASSERT_EQ(buzzer->Mode(), MMControl::NotOpen);
        forms::setOptionsOverride([&](QWidget *) { c.dialog(); });
        focus(board->tledRoutine);
        press(Qt::Key_F2);
        EXPECT_EQ(buzzer->FileName(), c.opened);
        EXPECT_EQ(buzzer->Mode(), MMControl::Stopped); // open and ready to play
    }
    forms::setOptionsOverride({});
}

} // namespace
