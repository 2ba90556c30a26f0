// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/forms/frmOptions.h"

#include "platform/core/Properties.h"
#include "platform/forms/FormDesign.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/intrinsics/ComboBox.h"
#include "platform/intrinsics/CommandButton.h"
#include "platform/intrinsics/CommonDialog.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/Label.h"
#include "platform/intrinsics/MessageBox.h"
#include "platform/intrinsics/OptionButton.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/SSTab.h"
#include "platform/intrinsics/ScrollBar.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/system/Notices.h"
#include "platform/system/ProgramInfo.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/modules/modGrabKeys.h"
#include "scoreboard/modules/modStretch.h"
#include "scoreboard/settings/Settings.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cstdio>

namespace tallyard {

namespace {

// Key labels are white, and light yellow while they wait for a key.
constexpr qint32 IdleKeyColor = 0xFFFFFF;
constexpr qint32 CapturingKeyColor = 0x80FFFF;

#define KEY_LABEL                                                                                                      \
    "\nAlignment = 2"                                                                                                  \
    "\nBackStyle = 1"                                                                                                  \
    "\nBorderStyle = 1"                                                                                                \
    "\nBackColor = 0xFFFFFF"
#define SWATCH "\nBorderStyle = 1"

// Pages of SSTab1: 0 "Keys", 1 "Colors", 2 "Pictures", 3 "Other Settings". Controls on a
// page count their twips from the tab control's corner, tab row included.
constexpr ElementDesign design[] = {
    {"SSTab1", "TabDlg.SSTab", nullptr, 120, 120, 5895, 4215, 0, R"(
     Tabs = 4
     TabsPerRow = 4)",
     nullptr},
    // ---- Keys
    {"fraKeyRoutine", "VB.Frame", "SSTab1", 240, 540, 1575, 735, -1, R"(
     Caption = "Routine start/stop:")",
     nullptr, 0},
    {"lblKeyRoutine", "VB.Label", "fraKeyRoutine", 120, 240, 1335, 375, -1, KEY_LABEL, nullptr},
    {"fraKeyFall", "VB.Frame", "SSTab1", 2160, 540, 1575, 735, -1, R"(
     Caption = "Fall start/stop:")",
     nullptr, 0},
    {"lblKeyFall", "VB.Label", "fraKeyFall", 120, 240, 1335, 375, -1, KEY_LABEL, nullptr},
    {"fraKeyWarmUp", "VB.Frame", "SSTab1", 4080, 540, 1575, 735, -1, R"(
     Caption = "Warm-up start/stop:")",
     nullptr, 0},
    {"lblKeyWarmUp", "VB.Label", "fraKeyWarmUp", 120, 240, 1335, 375, -1, KEY_LABEL, nullptr},
    {"fraKeyReset", "VB.Frame", "SSTab1", 240, 1380, 1575, 735, -1, R"(
     Caption = "Reset clocks:")",
     nullptr, 0},
    {"lblKeyReset", "VB.Label", "fraKeyReset", 120, 240, 1335, 375, -1, KEY_LABEL, nullptr},
    {"fraKeyClear", "VB.Frame", "SSTab1", 2160, 1380, 1575, 735, -1, R"(
     Caption = "Clear Number:")",
     nullptr, 0},
    {"lblKeyClear", "VB.Label", "fraKeyClear", 120, 240, 1335, 375, -1, KEY_LABEL, nullptr},
    {"fraKeyChime", "VB.Frame", "SSTab1", 4080, 1380, 1575, 735, -1, R"(
     Caption = "Chime:")",
     nullptr, 0},
    {"lblKeyChime", "VB.Label", "fraKeyChime", 120, 240, 1335, 375, -1, KEY_LABEL, nullptr},
    {"fraNumlock", "VB.Frame", "SSTab1", 2040, 2340, 1935, 1455, -1, R"(
     Caption = "Numlock Options:")",
     nullptr, 0},
    {"optNormal", "VB.OptionButton", "fraNumlock", 180, 300, 1635, 300, 1, R"(
     Caption = "Normal Mode")",
     nullptr},
    {"optKeepOn", "VB.OptionButton", "fraNumlock", 180, 660, 1635, 300, 2, R"(
     Caption = "Keep Numlock On")",
     nullptr},
    {"optKeepOff", "VB.OptionButton", "fraNumlock", 180, 1020, 1635, 300, 3, R"(
     Caption = "Keep Numlock Off")",
     nullptr},
    // Takes the key presses of a capture; it lies under the Reset Keys button, out of sight.
    {"txtGetKey", "VB.TextBox", "SSTab1", 4680, 3720, 615, 285, -1, R"(
     TabStop = False)",
     nullptr, 0},
    {"cmdResetKeys", "VB.CommandButton", "SSTab1", 4560, 3660, 1215, 375, 4, R"(
     Caption = "Reset Keys")",
     nullptr, 0},
    // ---- Colors
    {"fraRoutineC", "VB.Frame", "SSTab1", 120, 540, 1815, 735, -1, R"(
     Caption = "Routine Clock Color:")",
     nullptr, 1},
    {"picRoutineC", "VB.PictureBox", "fraRoutineC", 120, 240, 615, 375, -1, SWATCH, nullptr},
    {"cmdRountineC", "VB.CommandButton", "fraRoutineC", 900, 240, 735, 375, 5, R"(
     Caption = "Change")",
     nullptr},
    {"fraFallC", "VB.Frame", "SSTab1", 2040, 540, 1815, 735, -1, R"(
     Caption = "Fall Clock Color:")",
     nullptr, 1},
    {"picFallC", "VB.PictureBox", "fraFallC", 120, 240, 615, 375, -1, SWATCH, nullptr},
    {"cmdFallC", "VB.CommandButton", "fraFallC", 900, 240, 735, 375, 6, R"(
     Caption = "Change")",
     nullptr},
    {"fraWarmUpC", "VB.Frame", "SSTab1", 3960, 540, 1815, 735, -1, R"(
     Caption = "WarmUp Clock Color:")",
     nullptr, 1},
    {"picWarmUpC", "VB.PictureBox", "fraWarmUpC", 120, 240, 615, 375, -1, SWATCH, nullptr},
    {"cmdWarmUpC", "VB.CommandButton", "fraWarmUpC", 900, 240, 735, 375, 7, R"(
     Caption = "Change")",
     nullptr},
    {"fraScoreC", "VB.Frame", "SSTab1", 120, 1560, 1815, 735, -1, R"(
     Caption = "Score Color:")",
     nullptr, 1},
    {"picScoreC", "VB.PictureBox", "fraScoreC", 120, 240, 615, 375, -1, SWATCH, nullptr},
    {"cmdScoreC", "VB.CommandButton", "fraScoreC", 900, 240, 735, 375, 8, R"(
     Caption = "Change")",
     nullptr},
    {"fraGymnastNumC", "VB.Frame", "SSTab1", 2040, 1560, 1815, 735, -1, R"(
     Caption = "Gymnast # Color:")",
     nullptr, 1},
    {"picGymnastNumC", "VB.PictureBox", "fraGymnastNumC", 120, 240, 615, 375, -1, SWATCH, nullptr},
    {"cmdGymnastNumC", "VB.CommandButton", "fraGymnastNumC", 900, 240, 735, 375, 9, R"(
     Caption = "Change")",
     nullptr},
    {"fraLEDB", "VB.Frame", "SSTab1", 3960, 1560, 1815, 735, -1, R"(
     Caption = "LED Background:")",
     nullptr, 1},
    {"picLEDB", "VB.PictureBox", "fraLEDB", 120, 240, 615, 375, -1, SWATCH, nullptr},
    {"cmdLEDB", "VB.CommandButton", "fraLEDB", 900, 240, 735, 375, 10, R"(
     Caption = "Change")",
     nullptr},
    {"fraBackC", "VB.Frame", "SSTab1", 120, 2580, 1815, 735, -1, R"(
     Caption = "Back Color:")",
     nullptr, 1},
    {"picBackC", "VB.PictureBox", "fraBackC", 120, 240, 615, 375, -1, SWATCH, nullptr},
    {"cmdBackC", "VB.CommandButton", "fraBackC", 900, 240, 735, 375, 11, R"(
     Caption = "Change")",
     nullptr},
    {"fraLedSelected", "VB.Frame", "SSTab1", 2040, 2580, 1815, 1215, -1, R"(
     Caption = "LED Selected")",
     nullptr, 1},
    {"picLedSelected", "VB.PictureBox", "fraLedSelected", 120, 240, 615, 375, -1, SWATCH, nullptr},
    {"cmdLedSelected", "VB.CommandButton", "fraLedSelected", 900, 240, 735, 375, 12, R"(
     Caption = "Change")",
     nullptr},
    {"lblWidth", "VB.Label", "fraLedSelected", 120, 780, 615, 255, -1, R"(
     Caption = "Width:")",
     nullptr},
    {"lblLEDSelectedWidthValue", "VB.Label", "fraLedSelected", 780, 780, 375, 255, -1,
     R"(
     Caption = "0"
     Alignment = 2
     BackStyle = 1
     BorderStyle = 1
     BackColor = 0xFFFFFF)",
     nullptr},
    {"scrLEDSelectedWidth", "VB.VScrollBar", "fraLedSelected", 1200, 780, 255, 255, 13,
     R"(
     Min = 5
     Max = 0
     SmallChange = 1
     LargeChange = 1)",
     nullptr},
    {"fraBorderC", "VB.Frame", "SSTab1", 3960, 2580, 1815, 735, -1, R"(
     Caption = "Text Color:")",
     nullptr, 1},
    {"picBorderC", "VB.PictureBox", "fraBorderC", 120, 240, 615, 375, -1, SWATCH, nullptr},
    {"cmdBorderC", "VB.CommandButton", "fraBorderC", 900, 240, 735, 375, 14, R"(
     Caption = "Change")",
     nullptr},
    {"cmdResetColors", "VB.CommandButton", "SSTab1", 4560, 3660, 1215, 375, 15, R"(
     Caption = "Reset Colors")",
     nullptr, 1},
    // ---- Pictures
    {"fraHomePic", "VB.Frame", "SSTab1", 240, 540, 2595, 1695, -1, R"(
     Caption = "Home Picture:")",
     nullptr, 2},
    {"picHomePicPreviewCon", "VB.PictureBox", "fraHomePic", 120, 300, 1215, 1215, -1, SWATCH, nullptr},
    {"imgHomePicPreview", "VB.Image", "picHomePicPreviewCon", 0, 0, 1215, 1215, -1, R"(
     Stretch = True)",
     nullptr},
    {"cmdChangeHomePic", "VB.CommandButton", "fraHomePic", 1500, 300, 975, 375, 16, R"(
     Caption = "Change")",
     nullptr},
    {"cmdClearHomePic", "VB.CommandButton", "fraHomePic", 1500, 780, 975, 375, 17, R"(
     Caption = "Clear")",
     nullptr},
    {"fraVisitorPic", "VB.Frame", "SSTab1", 3060, 540, 2595, 1695, -1, R"(
     Caption = "Visitor Picture:")",
     nullptr, 2},
    {"picVisitorPicPreviewCon", "VB.PictureBox", "fraVisitorPic", 120, 300, 1215, 1215, -1, SWATCH, nullptr},
    {"imgVisitorPicPreview", "VB.Image", "picVisitorPicPreviewCon", 0, 0, 1215, 1215, -1, R"(
     Stretch = True)",
     nullptr},
    {"cmdChangeVisitorPic", "VB.CommandButton", "fraVisitorPic", 1500, 300, 975, 375, 18, R"(
     Caption = "Change")",
     nullptr},
    {"cmdClearVisitorPic", "VB.CommandButton", "fraVisitorPic", 1500, 780, 975, 375, 19, R"(
     Caption = "Clear")",
     nullptr},
    {"fraDigitType", "VB.Frame", "SSTab1", 240, 2400, 5415, 1335, -1, R"(
     Caption = "Digit Type:")",
     nullptr, 2},
    {"cmbLedType", "VB.ComboBox", "fraDigitType", 240, 360, 1455, 315, 20, nullptr, nullptr},
    {"lblPreview", "VB.Label", "fraDigitType", 2280, 420, 735, 255, -1, R"(
     Caption = "Preview:")",
     nullptr},
    {"pledPreview", "prjOrtagon.Ortagon", "fraDigitType", 3120, 240, 540, 975, -1, nullptr,
     R"(
     psize = 65
     pcaption = "8")"},
    // ---- Other Settings
    {"cmdBuzzerSound", "VB.CommandButton", "SSTab1", 360, 2580, 2055, 375, 21, R"(
     Caption = "Change Chime Sound...")",
     nullptr, 3},
    {"lblBFile", "VB.Label", "SSTab1", 360, 3060, 5175, 255, -1, R"(
     Caption = "")",
     nullptr, 3},
    {"cmdResetAdditSetttings", "VB.CommandButton", "SSTab1", 4560, 3660, 1215, 375, 22, R"(
     Caption = "Reset Settings")",
     nullptr, 3},
    // ---- The dialog's own
    {"cmdOk", "VB.CommandButton", nullptr, 1958, 4440, 1080, 375, 23, R"(
     Caption = "&Ok")",
     nullptr},
    {"cmdCancel", "VB.CommandButton", nullptr, 3263, 4440, 1080, 375, 24, R"(
     Caption = "&Cancel"
     Cancel = True)",
     nullptr},
    {"cdColors", "MSComDlg.CommonDialog", nullptr, 0, 0, 0, 0, -1, nullptr, nullptr},
};

#undef KEY_LABEL
#undef SWATCH

const char *const tabCaptions[] = {
    QT_TRANSLATE_NOOP("tallyard::frmOptions", "Keys"), QT_TRANSLATE_NOOP("tallyard::frmOptions", "Colors"),
    QT_TRANSLATE_NOOP("tallyard::frmOptions", "Pictures"), QT_TRANSLATE_NOOP("tallyard::frmOptions", "Other Settings")};

// Each colour swatch with its button and the key of the setting it edits; the variable and
// the default are the settings table's.
struct ColorEditor {
    const char *swatch;
    const char *button;
    const char *key;
};
const std::array<ColorEditor, 9> colorEditors{{
    {"picBackC", "cmdBackC", "Color_FormBack"},
    {"picRoutineC", "cmdRountineC", "Color_Routine"},
    {"picScoreC", "cmdScoreC", "Color_ScoreLED"},
    {"picGymnastNumC", "cmdGymnastNumC", "Color_GymnastLED"},
    {"picLEDB", "cmdLEDB", "Color_LEDBack"},
    {"picLedSelected", "cmdLedSelected", "Color_LEDSelected"},
    {"picBorderC", "cmdBorderC", "Color_Border"},
    {"picFallC", "cmdFallC", "Color_Fall"},
    {"picWarmUpC", "cmdWarmUpC", "Color_WarmUp"},
}};

// The command keys, each edited on the label "lbl" followed by its key.
const std::array<const char *, 6> keyEditors{"KeyRoutine", "KeyFall", "KeyWarmUp", "KeyReset", "KeyClear", "KeyChime"};

const SettingDefinition &settingOf(const char *key)
{
    return *findSetting(QString::fromLatin1(key));
}

template <typename Int>
Int &variableOf(const char *key)
{
    return *std::get<Int *>(settingOf(key).variable);
}

QString labelOf(const char *key)
{
    return QStringLiteral("lbl") + QLatin1StringView(key);
}

qint16 tagCode(const Control *label)
{
    return toInt16(numericValue(label->Tag()));
}

constexpr qint16 MaxOutlineWidth = 5;

// A key without a code (Super, Menu, a key the layout gives no code) raises no KeyDown, so
// that no host acts on it; the capture box still has to refuse it. It reaches onKey here and
// goes no further: nothing of it is typed, and Menu opens no context menu. The box takes no
// input method, which would swallow a dead key (the German ^) before any widget saw it.
class KeyWithoutCode : public QObject {
public:
    KeyWithoutCode(QWidget *box, std::function<void()> onKey) : QObject(box), m_onKey(std::move(onKey))
    {
        (box->focusProxy() ? box->focusProxy() : box)->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::InputMethodQuery) {
            static_cast<QInputMethodQueryEvent *>(event)->setValue(Qt::ImEnabled, false);
            return true;
        }
        if (event->type() != QEvent::KeyPress || virtualKeyCode(static_cast<QKeyEvent *>(event)) != 0)
            return false;
        runGuarded("KeyDown", m_onKey);
        return true;
    }

private:
    std::function<void()> m_onKey;
};

} // namespace

std::span<const ElementDesign> frmOptions::designTable()
{
    return design;
}

frmOptions::frmOptions(QWidget *owner) : Form(owner)
{
    setCaption(tr("Options"));
    setBorderStyle(FixedSingle);
    setClientSize(6300, 4890);
    loadDesign(this, design, {metaObject()->className()});
    SSTab1 = element<SSTab>("SSTab1");
    for (int i = 0; i < 4; ++i)
        SSTab1->setTabCaption(i, tr(tabCaptions[i]));
    cmdOk = element<CommandButton>("cmdOk");
    cmdCancel = element<CommandButton>("cmdCancel");
    cdColors = element<CommonDialog>("cdColors");
    txtGetKey = element<TextBox>("txtGetKey");
    cmdResetKeys = element<CommandButton>("cmdResetKeys");
    cmdResetColors = element<CommandButton>("cmdResetColors");
    cmdResetAdditSetttings = element<CommandButton>("cmdResetAdditSetttings");
    optNormal = element<OptionButton>("optNormal");
    optKeepOn = element<OptionButton>("optKeepOn");
    optKeepOff = element<OptionButton>("optKeepOff");
    lblLEDSelectedWidthValue = element<Label>("lblLEDSelectedWidthValue");
    scrLEDSelectedWidth = element<ScrollBar>("scrLEDSelectedWidth");
    cmbLedType = element<ComboBox>("cmbLedType");
    pledPreview = element<Control>("pledPreview");
    lblBFile = element<Label>("lblBFile");
    imgHomePicPreview = element<Image>("imgHomePicPreview");
    imgVisitorPicPreview = element<Image>("imgVisitorPicPreview");
    picHomePicPreviewCon = element<PictureBox>("picHomePicPreviewCon");
    picVisitorPicPreviewCon = element<PictureBox>("picVisitorPicPreviewCon");
    // The capture box is covered by the Reset Keys button.
    txtGetKey->lower();
    cmbLedType->AddItem(tr("Lines"));
    cmbLedType->AddItem(tr("Dots"));
    connectHandlers();
    Form_Load();
}

void frmOptions::connectHandlers()
{
    connect(cmdOk, &Control::Click, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &Control::Click, this, [this] { Unload(); });
    connect(cmdResetColors, &Control::Click, this, [this] { cmdResetColors_Click(); });
    connect(cmdResetKeys, &Control::Click, this, [this] { cmdResetKeys_Click(); });
    connect(cmdResetAdditSetttings, &Control::Click, this, [this] { cmdResetAdditSetttings_Click(); });
    for (const ColorEditor &e : colorEditors) {
        Control *swatch = control(QString::fromLatin1(e.swatch));
        connect(control(QString::fromLatin1(e.button)), &Control::Click, this, [this, swatch] { chooseColor(swatch); });
    }
    for (Control *label : keyLabels())
        connect(label, &Control::Click, this, [this, label] { ChooseKey(label); });
    connect(txtGetKey, &Control::KeyDown, this, [this](qint16 &code, qint16 &) {
        setPropertyByName(txtGetKey, u"Text", QString());
        KeyChosen(code);
    });
    new KeyWithoutCode(txtGetKey, [this] { KeyChosen(0); });
    // The key was taken: nothing of it is typed into the box.
    connect(txtGetKey, &Control::KeyPress, this, [this] { setPropertyByName(txtGetKey, u"Text", QString()); });
    connect(txtGetKey, &Control::LostFocus, this, [this] { KeyChosen(-1); });
    connect(scrLEDSelectedWidth, &ScrollBar::Change, this, [this] {
        setPropertyByName(lblLEDSelectedWidthValue, u"Caption",
                          QString::number(variantToInt16(getPropertyByName(scrLEDSelectedWidth, u"Value"))));
    });
    connect(cmbLedType, &Control::Click, this, [this] {
        setPropertyByName(pledPreview, u"LedType",
                          static_cast<qint32>(variantToInt16(getPropertyByName(cmbLedType, u"ListIndex"))));
    });
    connect(control(QStringLiteral("cmdChangeHomePic")), &Control::Click, this,
            [this] { choosePicture(HomePicTemp, imgHomePicPreview, picHomePicPreviewCon); });
    connect(control(QStringLiteral("cmdChangeVisitorPic")), &Control::Click, this,
            [this] { choosePicture(VisitorPicTemp, imgVisitorPicPreview, picVisitorPicPreviewCon); });
    connect(control(QStringLiteral("cmdClearHomePic")), &Control::Click, this,
            [this] { clearPicture(HomePicTemp, imgHomePicPreview); });
    connect(control(QStringLiteral("cmdClearVisitorPic")), &Control::Click, this,
            [this] { clearPicture(VisitorPicTemp, imgVisitorPicPreview); });
    connect(control(QStringLiteral("cmdBuzzerSound")), &Control::Click, this, [this] { cmdBuzzerSound_Click(); });
    // Each activation puts the focus on Ok, so Enter confirms at once.
    connect(this, &Form::Activate, this, [this] { cmdOk->SetFocus(); });
}

// ---- Loading and applying -------------------------------------------------------------------

void frmOptions::Form_Load()
{
    setPropertyByName(SSTab1, u"Tab", 0);
    for (const char *key : keyEditors)
        control(labelOf(key))->setTag(QString::number(variableOf<int16_t>(key)));
    SetKeyTextFromTags();
    for (const ColorEditor &e : colorEditors)
        setPropertyByName(control(QString::fromLatin1(e.swatch)), u"BackColor", variableOf<int32_t>(e.key));
    // The scroll bar can only stand between 0 and 5; the label shows the stored width as it
    // is, and OK stores that back unless the operator moves the bar.
    setPropertyByName(scrLEDSelectedWidth, u"Value", std::clamp<qint16>(LEDSelectedWidth, 0, MaxOutlineWidth));
    setPropertyByName(lblLEDSelectedWidthValue, u"Caption", QString::number(LEDSelectedWidth));
    setPropertyByName(optNormal, u"Value", NumLockForce == 0);
    setPropertyByName(optKeepOn, u"Value", NumLockForce == 1);
    setPropertyByName(optKeepOff, u"Value", NumLockForce == 2);
    BuzzTemp = BuzzerFile;
    HomePicTemp = HomePic;
    VisitorPicTemp = VisitorPic;
    modStretch::FitPicture(imgHomePicPreview, picHomePicPreviewCon, HomePicTemp);
    modStretch::FitPicture(imgVisitorPicPreview, picVisitorPicPreviewCon, VisitorPicTemp);
    // A stored style the list does not offer shows as nothing chosen, and is stored back
    // unchanged unless one is chosen.
    setPropertyByName(cmbLedType, u"ListIndex", DigitLEDType == 0 || DigitLEDType == 1 ? DigitLEDType : qint16(-1));
    setPropertyByName(lblBFile, u"Caption", soundFileCaption(BuzzTemp));
    ReturnKeyToObj = nullptr;
}

void frmOptions::cmdOk_Click()
{
    // A capture in progress keeps the key shown before it began.
    KeyChosen(-1);
    for (const ColorEditor &e : colorEditors)
        variableOf<int32_t>(e.key)
            = variantToInt32(getPropertyByName(control(QString::fromLatin1(e.swatch)), u"BackColor"));
    LEDSelectedWidth = toInt16(numericValue(variantToString(getPropertyByName(lblLEDSelectedWidthValue, u"Caption"))));
    for (const char *key : keyEditors)
        variableOf<int16_t>(key) = tagCode(control(labelOf(key)));
    BuzzerFile = BuzzTemp;
    if (variantToBool(getPropertyByName(optNormal, u"Value"))) {
        NumLockForce = 0;
    } else if (variantToBool(getPropertyByName(optKeepOn, u"Value"))) {
        NumLockForce = 1;
        modGrabKeys::SetNumLock(true);
    } else if (variantToBool(getPropertyByName(optKeepOff, u"Value"))) {
        NumLockForce = 2;
        modGrabKeys::SetNumLock(false);
    }
    HomePic = HomePicTemp;
    VisitorPic = VisitorPicTemp;
    const qint16 style = variantToInt16(getPropertyByName(cmbLedType, u"ListIndex"));
    if (style >= 0)
        DigitLEDType = style;
    // All keys in one write: a store that cannot be written keeps its previous file whole,
    // and the board runs on with the new values all the same.
    SettingsStore store(ApplicationName);
    if (!SaveSettings(store))
        notices().post(Notice::passing(tr("The settings could not be saved to %1 (%2); the board uses them until it "
                                          "closes.")
                                           .arg(QDir::toNativeSeparators(store.location()), store.errorString())));
    Unload();
}

// ---- Resets ------------------------------------------------------------------------------

// Every reset asks first; only Yes goes on.
bool frmOptions::confirm(const QString &prompt, const QString &title)
{
    return MsgBox(prompt, msgbox::YesNo | msgbox::Question, title, this) == msgbox::Yes;
}

void frmOptions::cmdResetColors_Click()
{
    if (!confirm(tr("Are you sure you want to reset the colors?"), tr("Reset Colors")))
        return;
    for (const ColorEditor &e : colorEditors)
        setPropertyByName(control(QString::fromLatin1(e.swatch)), u"BackColor", settingOf(e.key).defaultNumber);
    // The label only: the scroll bar stays where it was until the operator moves it.
    setPropertyByName(lblLEDSelectedWidthValue, u"Caption",
                      QString::number(settingOf("LEDSelectedWidth").defaultNumber));
}

void frmOptions::cmdResetKeys_Click()
{
    if (!confirm(tr("Are you sure you want to reset Keys and Numlock option?"), tr("Reset Keys")))
        return;
    for (const char *key : keyEditors)
        control(labelOf(key))->setTag(QString::number(settingOf(key).defaultNumber));
    setPropertyByName(optNormal, u"Value", true);
    SetKeyTextFromTags();
}

void frmOptions::cmdResetAdditSetttings_Click()
{
    if (!confirm(tr("Are you sure you want to reset these settings?"), tr("Reset Settings?")))
        return;
    BuzzTemp = defaultBuzzerFile();
    setPropertyByName(lblBFile, u"Caption", soundFileCaption(BuzzTemp));
}

QString frmOptions::soundFileCaption(const QString &path)
{
    if (path.isEmpty())
        return tr("[No File Selected]");
    if (path.size() <= 50)
        return path;
    const QFileInfo file(path);
    return path.left(10) + QStringLiteral(" ...\\") + (file.exists() ? file.fileName() : QString());
}

// ---- Editors -----------------------------------------------------------------------------

void frmOptions::chooseColor(Control *swatch)
{
    setPropertyByName(cdColors, u"Color", getPropertyByName(swatch, u"BackColor"));
    qobject_cast<CommonDialog *>(cdColors)->ShowColor();
    // Cancelled, the dialog's colour is still the swatch's own.
    setPropertyByName(swatch, u"BackColor", getPropertyByName(cdColors, u"Color"));
}

void frmOptions::choosePicture(QString &path, Control *image, Control *container)
{
    auto *dialog = qobject_cast<CommonDialog *>(cdColors);
    dialog->setFilter(tr("Pictures") + QStringLiteral(" (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg"));
    dialog->setFlags(CommonDialog::FileMustExist);
    if (!dialog->ShowOpen())
        return;
    const QString chosen = dialog->FileName();
    if (chosen.isEmpty() || !fileExists(chosen))
        return;
    path = chosen;
    modStretch::FitPicture(image, container, path);
}

void frmOptions::clearPicture(QString &path, Control *image)
{
    setPropertyByName(image, u"Picture", QString());
    path.clear();
}

void frmOptions::cmdBuzzerSound_Click()
{
    auto *dialog = qobject_cast<CommonDialog *>(cdColors);
    dialog->setFilter(tr("Sounds") + QStringLiteral(" *.wav|*.wav"));
    if (!dialog->ShowOpen())
        return;
    const QString chosen = dialog->FileName();
    if (chosen.isEmpty() || !fileExists(chosen))
        return;
    BuzzTemp = chosen;
    setPropertyByName(lblBFile, u"Caption", soundFileCaption(BuzzTemp));
}

// ---- Key assignment ----------------------------------------------------------------------

QString frmOptions::KeyCodeToStr(qint16 KeyCode)
{
    switch (KeyCode) {
    case vk::Back:
        return tr("Backspace");
    case vk::Control:
        return tr("Ctrl");
    case vk::Pause:
        return tr("Pause/Break");
    case vk::Prior:
        return tr("Page Up");
    case vk::Next:
        return tr("Page Down");
    case vk::End:
        return tr("End");
    case vk::Home:
        return tr("Home");
    case vk::Insert:
        return tr("Insert");
    case vk::Delete:
        return tr("Delete");
    case vk::Multiply:
        return tr("Numpad *");
    case vk::Divide:
        return tr("Numpad /");
    case 186:
        return QStringLiteral(";");
    case 188:
        return QStringLiteral(",");
    case 191:
        return QStringLiteral("/");
    case 192:
        return QStringLiteral("`");
    case 219:
        return QStringLiteral("[");
    case 220:
        return QStringLiteral("\\");
    case 221:
        return QStringLiteral("]");
    case 222:
        return QStringLiteral("\""); // the apostrophe key, named by its shifted mark
    default:
        break;
    }
    if (KeyCode >= 'A' && KeyCode <= 'Z')
        return QString(QChar(KeyCode));
    // F3 to F9, F11 and F12: F1, F2 and F10 belong to the program and the system.
    const bool functionKey
        = (KeyCode >= vk::F1 + 2 && KeyCode <= vk::F1 + 8) || KeyCode == vk::F1 + 10 || KeyCode == vk::F12;
    if (functionKey)
        return QStringLiteral("F%1").arg(KeyCode - vk::F1 + 1);
    return QString();
}

QList<Control *> frmOptions::keyLabels() const
{
    QList<Control *> labels;
    for (Control *c : Controls())
        if (typeName(c) == u"Label" && c->Name().contains(u"lblKey"))
            labels << c;
    return labels;
}

QString frmOptions::IsKeyInUse(qint16 KeyCode) const
{
    for (Control *label : keyLabels())
        if (tagCode(label) == KeyCode)
            return label->Name();
    return QStringLiteral("None");
}

void frmOptions::SetKeyTextFromTags()
{
    for (Control *label : keyLabels())
        setPropertyByName(label, u"Caption", KeyCodeToStr(tagCode(label)));
}

void frmOptions::restoreLabel(Control *label)
{
    setPropertyByName(label, u"BackColor", IdleKeyColor);
    setPropertyByName(label, u"Caption", KeyCodeToStr(tagCode(label)));
}

void frmOptions::ChooseKey(Control *label)
{
    Control *capturing = ReturnKeyToObj;
    if (capturing) {
        // Moving the focus below would abandon the capture; it is restored here instead.
        ReturnKeyToObj = nullptr;
        restoreLabel(capturing);
    }
    if (!capturing || capturing->Name() != label->Name()) {
        txtGetKey->SetFocus();
        setPropertyByName(label, u"BackColor", CapturingKeyColor);
        setPropertyByName(label, u"Caption", tr("<Press any key>"));
        ReturnKeyToObj = label;
    }
}

void frmOptions::KeyChosen(qint16 KeyCode)
{
    Control *label = ReturnKeyToObj;
    if (!label)
        return;
    QString name = KeyCodeToStr(KeyCode);
    const QString holder = IsKeyInUse(KeyCode);
    if (holder != u"None" && holder != label->Name())
        name.clear(); // another command's key
    if (!name.isEmpty())
        label->setTag(QString::number(KeyCode));
    if (!name.isEmpty() || KeyCode == -1) {
        ReturnKeyToObj = nullptr;
        restoreLabel(label);
    } else {
        setPropertyByName(label, u"Caption", tr("Choose another"));
    }
}

} // namespace tallyard
