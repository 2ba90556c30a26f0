// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "scoreboard/forms/frmScoreboard.h"

#include "controls/QuellinDispIds.h"
#include "platform/forms/FormDesign.h"
#include "platform/system/ProgramInfo.h"
#include "platform/core/Guard.h"
#include "platform/core/Properties.h"
#include "platform/forms/Shape.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/MMControl.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/intrinsics/TimerControl.h"
#include "scoreboard/forms/Forms.h"
#include "scoreboard/i18n/Language.h"
#include "scoreboard/modules/modColor.h"
#include "scoreboard/modules/modCount.h"
#include "scoreboard/modules/modGrabKeys.h"
#include "scoreboard/modules/modShowDigits.h"
#include "scoreboard/modules/modStretch.h"
#include "scoreboard/settings/Settings.h"
#include "scoreboard/state/BoardState.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMetaMethod>
#include <QMimeData>
#include <QUrl>
#include <QKeyEvent>
#include <QTimer>

#include <array>
#include <tuple>

namespace tallyard {

namespace {

// Members of the library controls are called late-bound, as a host of the library does.
namespace TimeKeeperId = quellin::dispid::TimeKeeper;
namespace TimeLEDId = quellin::dispid::TimeLED;

// The design of the board: elements, kinds, containers, twip geometry, tab order and the
// design-time properties. Containers come before what they hold.
#define TITLE_FONT                                                                                                     \
    "\nFontName = \"Arial\""                                                                                           \
    "\nFontSize = 32.25"                                                                                               \
    "\nForeColor = 0xFFFFFF"

constexpr ElementDesign design[] = {
    {"txtEvent", "VB.TextBox", nullptr, 120, 360, 4695, 855, 0,
     R"(
     Text = "Floor Exercise"
     FontName = "Arial"
     FontSize = 32.25
     ForeColor = 0xFFFFFF
     BackColor = 0x404040
     Alignment = 0
     BorderStyle = 0)",
     nullptr},
    {"nledGymnastNum", "Brenlite.NumberLED", nullptr, 5760, 120, 3600, 1515, 1, nullptr,
     R"(
     pmax = 9999
     ppaddingh = 90
     ppaddingv = 90
     ppaddingi = 140
     psize = 90
     plitcolor = 0x00C000)"},
    {"txtGymnastName", "VB.TextBox", nullptr, 0, 1710, 4695, 1170, 2,
     R"(
     Text = "Name"
     FontName = "Arial"
     FontSize = 38.25
     ForeColor = 0xFFFFFF
     BackColor = 0x404040
     Alignment = 2
     BorderStyle = 0)",
     nullptr},
    {"txtGymnastTeam", "VB.TextBox", nullptr, 4680, 1710, 4695, 1170, 3,
     R"(
     Text = "Group"
     FontName = "Arial"
     FontSize = 38.25
     ForeColor = 0xFFFFFF
     BackColor = 0x404040
     Alignment = 2
     BorderStyle = 0)",
     nullptr},
    {"picScoreBack", "VB.PictureBox", nullptr, 3469, 3000, 4455, 1575, 8, R"(
     BackColor = 0x000000
     BorderStyle = 0)",
     nullptr},
    {"nledScoreLeft", "Brenlite.NumberLED", "picScoreBack", 120, 120, 1110, 1335, 4, nullptr,
     R"(
     pmax = 19
     ppaddingi = 200
     psize = 90)"},
    {"tledRoutine", "Quellin.TimeLED", nullptr, 120, 5640, 3000, 1065, 5, nullptr,
     R"(
     PCaption = 1800
     PPaddingH = 140
     PPaddingI = 200
     PPaddingD = 100
     PSize = 59
     PLitColor = 0x00C000)"},
    {"tledFall", "Quellin.TimeLED", nullptr, 3585, 5640, 2310, 1065, 6, nullptr,
     R"(
     PCaption = 30
     PGroupLengths = "1,2"
     PPaddingH = 140
     PPaddingI = 200
     PPaddingD = 100
     PSize = 59
     PLitColor = 0x0000FF)"},
    {"tledWarmUp", "Quellin.TimeLED", nullptr, 6360, 5640, 3000, 1065, 7, nullptr,
     R"(
     PCaption = 1800
     PPaddingH = 140
     PPaddingI = 200
     PPaddingD = 100
     PSize = 59
     PLitColor = 0x00FFFF)"},
    {"Label1", "VB.Label", nullptr, 120, 4920, 2895, 735, -1,
     R"(
     Caption = "Routine"
     Alignment = 2
     BackStyle = 0)" TITLE_FONT,
     nullptr},
    {"Label2", "VB.Label", nullptr, 6360, 4920, 2895, 735, -1,
     R"(
     Caption = "Warm-Up"
     Alignment = 2
     BackStyle = 0)" TITLE_FONT,
     nullptr},
    {"Label4", "VB.Label", nullptr, 1620, 3360, 1815, 615, -1,
     R"(
     Caption = "Score"
     Alignment = 2
     BackStyle = 0)" TITLE_FONT,
     nullptr},
    {"Label12", "VB.Label", nullptr, 5040, 360, 615, 855, -1,
     R"(
     Caption = "#"
     Alignment = 2
     BackStyle = 0
     FontName = "Arial"
     FontSize = 38.25
     ForeColor = 0xFFFFFF)",
     nullptr},
    {"Label3", "VB.Label", nullptr, 3240, 4920, 2895, 735, -1,
     R"(
     Caption = "Fall"
     Alignment = 2
     BackStyle = 0)" TITLE_FONT,
     nullptr},
    {"tkRoutine", "Quellin.TimeKeeper", nullptr, 0, 0, 1500, 375, -1, R"(
     Visible = False
     TabStop = False)",
     ""},
    {"tkFall", "Quellin.TimeKeeper", nullptr, 0, 0, 1500, 375, -1, R"(
     Visible = False
     TabStop = False)",
     ""},
    {"tkWarmUp", "Quellin.TimeKeeper", nullptr, 0, 0, 1500, 375, -1, R"(
     Visible = False
     TabStop = False)",
     ""},
    {"mmcBuzzer", "MCI.MMControl", nullptr, 0, 0, 3540, 330, -1, R"(
     Visible = False)",
     nullptr},
    {"nledScoreRight", "Brenlite.NumberLED", "picScoreBack", 1680, 120, 2655, 1335, 18, R"(
     TabStop = False)",
     R"(
     pmax = 999
     ppaddingi = 200
     psize = 90
     pzerofill = True)"},
    {"picHomePicContainer", "VB.PictureBox", nullptr, 120, 3000, 1485, 1875, 19, R"(
     BackColor = 0x808080
     BorderStyle = 0)",
     nullptr},
    {"imgHomePic", "VB.Image", "picHomePicContainer", 0, 0, 735, 1095, -1, R"(
     Stretch = True)",
     nullptr},
    {"picVisitorPicContainer", "VB.PictureBox", nullptr, 8040, 3000, 1365, 1875, 20,
     R"(
     BackColor = 0x808080
     BorderStyle = 0)",
     nullptr},
    {"imgVisitorPic", "VB.Image", "picVisitorPicContainer", 0, 0, 735, 1095, -1, R"(
     Stretch = True)",
     nullptr},
    {"Label5", "VB.Label", nullptr, 3660, 4560, 4095, 375, -1,
     R"(
     Caption = ""
     Alignment = 2
     BackStyle = 0
     FontName = "Arial"
     FontSize = 12
     FontBold = True
     ForeColor = 0xFFFFFF)",
     nullptr},
    {"shpScore", "VB.Shape", "picScoreBack", 1320, 1200, 255, 255, -1, R"(
     FillStyle = 0
     FillColor = 0x0080FF)",
     nullptr},
    {"shpObjectSelected", "VB.Shape", nullptr, 6480, 960, 255, 255, -1, R"(
     FillStyle = 0
     FillColor = 0xC0C0C0)",
     nullptr},
    {"tmrClock1", "VB.Timer", nullptr, 0, 0, 420, 420, -1, R"(
     Interval = 50
     Enabled = True)",
     nullptr},
};

// The longest time that may be typed on a clock, in seconds: 99:59 on Routine and Warm-Up,
// and 9:59 on Fall, whose display has one minute digit.
constexpr int32_t ClockEntryLimit = 5999;
constexpr int32_t FallEntryLimit = 599;
constexpr qint16 GymnastNumberLowest = frmScoreboard::GymnastNumberLowest;
constexpr qint16 GymnastNumberHighest = frmScoreboard::GymnastNumberHighest;
// The buzzer sounds once when a clock comes down to this many seconds.
constexpr int64_t BuzzerThreshold = 5;

bool isRunning(Control *clock)
{
    return variantToBool(invoke(clock, TimeKeeperId::Running, DispatchKind::PropertyGet));
}

void setRunning(Control *clock, bool running)
{
    invoke(clock, TimeKeeperId::Running, DispatchKind::PropertyLet, running);
}

Currency timeSec(Control *clock)
{
    return variantToCurrency(invoke(clock, TimeKeeperId::TimeSec, DispatchKind::PropertyGet));
}

void setTimeSec(Control *clock, Currency seconds)
{
    invoke(clock, TimeKeeperId::TimeSec, DispatchKind::PropertyLet, QVariant::fromValue(seconds));
}

} // namespace

std::span<const ElementDesign> frmScoreboard::designTable()
{
    return design;
}

frmScoreboard::frmScoreboard(QWidget *parent) : Form(parent)
{
    setCaption(QStringLiteral("Tallyard"));
    setBackColor(0x404040);
    setBorderStyle(Sizable);
    setFocusPolicy(Qt::NoFocus);
    // A start list dropped on the board; taken only while somebody listens (FileDropped).
    setAcceptDrops(true);
    setClientSize(DesignScaleWidth, DesignScaleHeight);
    loadDesign(this, design, language::boardDesignLanguage());
    txtEvent = element<TextBox>("txtEvent");
    nledGymnastNum = element<Control>("nledGymnastNum");
    txtGymnastName = element<TextBox>("txtGymnastName");
    txtGymnastTeam = element<TextBox>("txtGymnastTeam");
    nledScoreLeft = element<Control>("nledScoreLeft");
    nledScoreRight = element<Control>("nledScoreRight");
    tledRoutine = element<Control>("tledRoutine");
    tledFall = element<Control>("tledFall");
    tledWarmUp = element<Control>("tledWarmUp");
    picScoreBack = element<PictureBox>("picScoreBack");
    picHomePicContainer = element<PictureBox>("picHomePicContainer");
    picVisitorPicContainer = element<PictureBox>("picVisitorPicContainer");
    imgHomePic = element<Image>("imgHomePic");
    imgVisitorPic = element<Image>("imgVisitorPic");
    shpScore = element<Shape>("shpScore");
    shpObjectSelected = element<Shape>("shpObjectSelected");
    tkRoutine = element<Control>("tkRoutine");
    tkFall = element<Control>("tkFall");
    tkWarmUp = element<Control>("tkWarmUp");
    mmcBuzzer = element<MMControl>("mmcBuzzer");
    tmrClock1 = element<TimerControl>("tmrClock1");
    m_namePlaceholder = txtGymnastName->Text();
    m_teamPlaceholder = txtGymnastTeam->Text();
    // The outline lies on the board's surface, beneath every windowed element.
    shpObjectSelected->lower();
    connectHandlers();
    Form_Load();
}

void frmScoreboard::Form_Load()
{
    FallPreset = FallStart;
    RoutinePreset = RoutineStart;
    WarmUpPreset = WarmUpStart;
    setTimeSec(tkRoutine, Currency::fromInt(RoutineStart));
    setTimeSec(tkFall, Currency::fromInt(FallPreset));
    setTimeSec(tkWarmUp, Currency::fromInt(WarmUpPreset));
    modStretch::RecordLayout(this);
    UpdateFormColors();
    UpdateLabels();
    UpdateNumLock();
    openBuzzer(BuzzerOpening::AtLoad);
    queueTab();
    // Centred on the screen when first shown.
    Move((screenWidthTwips() - Width()) / 2, (screenHeightTwips() - Height()) / 2, Width(), Height());
}

void frmScoreboard::openBuzzer(BuzzerOpening when)
{
    // The load opens only a file that is there; after the Options dialog the device is
    // opened again on whatever the setting names.
    if (when == BuzzerOpening::AtLoad) {
        if (BuzzerFile.isEmpty() || !fileExists(BuzzerFile))
            return;
    } else {
        mmcBuzzer->setCommand(QStringLiteral("Close"));
    }
    mmcBuzzer->setFileName(BuzzerFile);
    mmcBuzzer->setCommand(QStringLiteral("Open"));
}

void frmScoreboard::queueTab()
{
    // The Tab counts from the element the window system focuses when the board first
    // becomes the active window, so it waits for that; sent earlier (under a window
    // manager the board is not active yet when it is shown) it would move the focus from
    // nowhere onto the event name.
    m_tabQueued = true;
    deliverQueuedTab();
}

void frmScoreboard::deliverQueuedTab()
{
    if (!m_tabQueued || !isVisible() || !isActiveWindow())
        return;
    // Activation hands the focus out after it announces itself: look once it is done.
    QTimer::singleShot(0, this, [this] {
        if (!m_tabQueued || !isActiveWindow())
            return;
        m_tabQueued = false;
        QWidget *target = QApplication::focusWidget();
        if (!target || target->window() != this) {
            // No element took the focus with the activation: the first in tab order has it.
            focusNextChild();
            target = QApplication::focusWidget();
            if (!target || target->window() != this)
                target = this;
        }
        // Exactly as if the operator had pressed Tab.
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier));
    });
}

void frmScoreboard::connectHandlers()
{
    // The board itself (no element focused) and the picture boxes: commands only.
    for (Control *c :
         std::initializer_list<Control *>{this, picHomePicContainer, picScoreBack, picVisitorPicContainer}) {
        connect(c, &Control::KeyDown, this, [this](qint16 &code, qint16 &) { AllKeyCode(code); });
        connect(c, &Control::KeyUp, this, [this](qint16 code, qint16 &shift) { AllKeyUp(code, shift); });
    }
    for (Control *display : {tledRoutine, tledFall, tledWarmUp}) {
        connect(display, &Control::KeyDown, this,
                [this, display](qint16 &code, qint16 &shift) { tledKeyDown(display, code, shift); });
        connect(display, &Control::KeyUp, this, [this](qint16 code, qint16 &shift) { AllKeyUp(code, shift); });
        connect(display, &Control::GotFocus, this, [this, display] { ObjectSelected(display); });
    }
    connect(nledGymnastNum, &Control::KeyDown, this,
            [this](qint16 &code, qint16 &shift) { nledGymnastNum_KeyDown(code, shift); });
    connect(nledGymnastNum, &Control::KeyUp, this, [this](qint16 code, qint16 &shift) { AllKeyUp(code, shift); });
    connect(nledGymnastNum, &Control::GotFocus, this, [this] { ObjectSelected(nledGymnastNum); });
    connect(nledScoreLeft, &Control::KeyDown, this,
            [this](qint16 &code, qint16 &shift) { nledScoreLeft_KeyDown(code, shift); });
    connect(nledScoreLeft, &Control::KeyUp, this,
            [this](qint16 code, qint16 &shift) { nledScoreLeft_KeyUp(code, shift); });
    connect(nledScoreLeft, &Control::GotFocus, this, [this] { ObjectSelected(picScoreBack); });
    connect(nledScoreRight, &Control::KeyDown, this,
            [this](qint16 &code, qint16 &shift) { nledScoreLeft_KeyDown(code, shift); });
    connect(nledScoreRight, &Control::KeyUp, this,
            [this](qint16 code, qint16 &shift) { nledScoreLeft_KeyUp(code, shift); });
    // The right score display never keeps the focus.
    connect(nledScoreRight, &Control::GotFocus, this, [this] { nledScoreLeft->SetFocus(); });
    // Text boxes type letters; only the key release reaches the board.
    for (Control *text : {txtEvent, txtGymnastName, txtGymnastTeam})
        connect(text, &Control::KeyUp, this, [this](qint16 code, qint16 &shift) { AllKeyUp(code, shift); });
    connect(this, &Form::Activate, this, [this] { deliverQueuedTab(); });
    connect(this, &Form::Resize, this, [this] {
        modStretch::StretchControls(this);
        ObjectSelected(nullptr);
        UpdateLabels();
    });
    connect(tmrClock1, &TimerControl::Timer, this, [this] { RefreshTime(); });
    // What the board shows changes by keys, by the meet and by Options; typed text as it is typed.
    for (TextBox *text : {txtEvent, txtGymnastName, txtGymnastTeam})
        connect(text, &TextBox::Change, this, [this] { m_stateTouched = true; });
    connect(mmcBuzzer, &MMControl::Done, this, [this] { mmcBuzzer_Done(); });
}

// ---- Keyboard commands -------------------------------------------------------------

qint16 frmScoreboard::KeyCodeToAsci(qint16 KeyCode) const
{
    using namespace modCount;
    if (KeyCode == vk::Space)
        return SpaceChar;
    if (KeyCode == vk::Return)
        return EnterChar;
    if (KeyCode == KeyClear)
        return ClearChar;
    if (KeyCode >= vk::Digit0 && KeyCode <= vk::Digit9)
        return static_cast<qint16>(u'0' + (KeyCode - vk::Digit0));
    if (KeyCode >= vk::Numpad0 && KeyCode <= vk::Numpad9)
        return static_cast<qint16>(u'0' + (KeyCode - vk::Numpad0));
    switch (KeyCode) {
    case vk::Add:
    case vk::OemPlus:
        return PlusChar;
    case vk::Subtract:
    case vk::OemMinus:
        return MinusChar;
    case vk::Decimal:
    case vk::OemPeriod:
        return PointChar;
    default:
        return -1;
    }
}

void frmScoreboard::AllKeyCode(qint16 KeyCode)
{
    m_stateTouched = true;
    if (KeyCode == KeyRoutine) {
        RoutineStartStop();
    } else if (KeyCode == KeyFall) {
        FallSwap();
    } else if (KeyCode == KeyWarmUp) {
        WarmUpStartStop();
    } else if (KeyCode == KeyReset) {
        NextGymnastReset();
    } else if (KeyCode == KeyChime) {
        Buzzer();
    } else if (KeyCode == vk::F1) {
        forms::showHelp();
    } else if (KeyCode == vk::F2) {
        forms::showOptions(this);
        UpdateLabels();
        UpdateFormColors();
        RefreshTime();
        openBuzzer(BuzzerOpening::AfterOptions);
    } else {
        emit OtherKey(KeyCode);
    }
}

void frmScoreboard::RoutineStartStop()
{
    m_stateTouched = true;
    setTimeSec(tkFall, Currency::fromInt(FallPreset));
    setRunning(tkRoutine, !isRunning(tkRoutine));
    RefreshTime();
}

void frmScoreboard::FallSwap()
{
    m_stateTouched = true;
    if (isRunning(tkRoutine) == !isRunning(tkFall)) {
        setRunning(tkRoutine, !isRunning(tkRoutine));
        setRunning(tkFall, !isRunning(tkFall));
    }
    RefreshTime();
}

void frmScoreboard::WarmUpStartStop()
{
    m_stateTouched = true;
    setRunning(tkWarmUp, !isRunning(tkWarmUp));
    RefreshTime();
}

void frmScoreboard::NextGymnastReset()
{
    // The reset clears the score by pressing the clear key on it, which comes back to the
    // command keys; with the clear key and the reset key the same (a hand-edited store), that
    // would recurse without end. The reset runs once.
    if (m_resetting)
        return;
    m_stateTouched = true;
    m_resetting = true;
    runGuarded("Reset", [this] {
        setPropertyByName(nledGymnastNum, u"Caption", 0);
        setPropertyByName(txtGymnastName, u"Text", QString());
        setPropertyByName(txtGymnastTeam, u"Text", QString());
        qint16 clear = KeyClear;
        qint16 shift = 0;
        nledScoreLeft_KeyDown(clear, shift);
        setTimeSec(tkRoutine, Currency::fromInt(RoutinePreset));
        setTimeSec(tkFall, Currency::fromInt(FallPreset));
        setTimeSec(tkWarmUp, Currency::fromInt(WarmUpPreset));
    });
    m_resetting = false;
}

void frmScoreboard::AllKeyUp(qint16 KeyCode, qint16 Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode == vk::NumLock)
        UpdateNumLock();
}

// ---- Clocks ---------------------------------------------------------------------------

frmScoreboard::ClockRow frmScoreboard::rowOf(const Control *display)
{
    if (display == tledFall)
        return {tkFall, tledFall, &FallPreset, FallEntryLimit, &FallBuzzed};
    if (display == tledWarmUp)
        return {tkWarmUp, tledWarmUp, &WarmUpPreset, ClockEntryLimit, &WarmUpBuzzed};
    return {tkRoutine, tledRoutine, &RoutinePreset, ClockEntryLimit, &RoutineBuzzed};
}

void frmScoreboard::tledKeyDown(Control *display, qint16 &KeyCode, qint16 &Shift)
{
    Q_UNUSED(Shift);
    m_stateTouched = true;
    AllKeyCode(KeyCode);
    const ClockRow row = rowOf(display);
    const Currency v = modCount::TimeEntryKey(display, KeyCodeToAsci(KeyCode), row.limit);
    if (v != modCount::NoValue) {
        setTimeSec(row.clock, v);
        *row.preset = toInt16(v.toDouble());
        RefreshTime();
    }
}

void frmScoreboard::RefreshTime()
{
    const std::array<ClockRow, 3> rows{rowOf(tledRoutine), rowOf(tledFall), rowOf(tledWarmUp)};
    std::array<double, 3> shown{};
    for (size_t i = 0; i < rows.size(); ++i) {
        shown[i] = timeSec(rows[i].clock).toDouble();
        // A clock between whole seconds shows the next second up: 59.1 shows as 60.
        const float caption = static_cast<float>(roundHalfEven(shown[i] + 0.4999));
        invoke(rows[i].display, TimeLEDId::Caption, DispatchKind::PropertyLet, caption);
    }
    // The state for the board's followers, from the values just shown: made only when the
    // board was touched since (a key, the meet, Options), as a running clock's drift is no
    // change to a follower, and once a second whatever happened, in case a change came some
    // other way. Nobody following, nothing is made.
    if (boardStates().followed() && (m_stateTouched || ++m_untouchedTicks >= UntouchedTicksPerCapture)) {
        m_stateTouched = false;
        m_untouchedTicks = 0;
        boardStates().offer(captureState(shown, localMilliseconds()));
    }
    const Currency threshold = Currency::fromInt(BuzzerThreshold);
    for (const ClockRow &row : rows) {
        if (timeSec(row.clock) <= threshold) {
            if (!*row.buzzed)
                Buzzer();
            *row.buzzed = true;
        } else {
            *row.buzzed = false;
        }
    }
}

BoardState frmScoreboard::State()
{
    std::array<double, 3> seconds{};
    const std::array<Control *, 3> keepers{tkRoutine, tkFall, tkWarmUp};
    for (size_t i = 0; i < keepers.size(); ++i)
        seconds[i] = timeSec(keepers[i]).toDouble();
    return captureState(seconds, localMilliseconds());
}

BoardState frmScoreboard::captureState(const std::array<double, 3> &seconds, int64_t takenAtMs) const
{
    BoardState state;
    state.event = txtEvent->Text();
    state.name = txtGymnastName->Text();
    state.team = txtGymnastTeam->Text();
    state.number = variantToInt32(getPropertyByName(nledGymnastNum, u"Caption"));
    state.scoreWhole = variantToInt32(getPropertyByName(nledScoreLeft, u"Caption"));
    state.scoreThousandths = variantToInt32(getPropertyByName(nledScoreRight, u"Caption"));
    const std::array<Control *, 3> keepers{tkRoutine, tkFall, tkWarmUp};
    const std::array<qint16, 3> presets{RoutinePreset, FallPreset, WarmUpPreset};
    for (size_t i = 0; i < keepers.size(); ++i) {
        ClockState &clock = state.clocks[i];
        clock.seconds = seconds[i];
        clock.takenAtMs = takenAtMs;
        clock.running = isRunning(keepers[i]);
        clock.countsUp = variantToInt32(getPropertyByName(keepers[i], u"CountDirection")) != 0;
        clock.preset = presets[i];
    }
    state.backColor = BackColor();
    state.textColor = ColorBorder;
    state.ledBackColor = ColorLEDBack;
    state.scoreColor = ColorScoreLED;
    state.gymnastColor = ColorGymnastLED;
    state.clockColors = {ColorRoutine, ColorFall, ColorWarmUp};
    state.digitStyle = DigitLEDType;
    state.homePicture = imgHomePic->Picture();
    state.visitorPicture = imgVisitorPic->Picture();
    return state;
}

// ---- Score and gymnast number ------------------------------------------------------

void frmScoreboard::nledScoreLeft_KeyDown(qint16 &KeyCode, qint16 &Shift)
{
    Q_UNUSED(Shift);
    m_stateTouched = true;
    AllKeyCode(KeyCode);
    const qint16 ch = KeyCodeToAsci(KeyCode);
    const Currency v = modCount::ScoreEntryKey(nledScoreLeft, ch, ScoreMaximum());
    if (v != modCount::NoValue)
        CommitScore(v);
    if (ch == modCount::ClearChar) {
        setPropertyByName(nledScoreLeft, u"Caption", 0);
        setPropertyByName(nledScoreRight, u"Caption", 0);
    }
}

void frmScoreboard::CommitScore(Currency score)
{
    m_stateTouched = true;
    // Formatted with a point whatever the locale, then split into points and thousandths.
    const QStringList pieces = formatNumber(score, u"#0.000").split(u'.');
    setPropertyByName(nledScoreLeft, u"Caption", pieces.value(0).toInt());
    setPropertyByName(nledScoreRight, u"Caption", pieces.value(1).toInt());
    emit ScoreCommitted(score);
}

void frmScoreboard::CommitGymnastNumber(qint16 number)
{
    m_stateTouched = true;
    setPropertyByName(nledGymnastNum, u"Caption", number);
    emit GymnastNumberCommitted(number);
}

void frmScoreboard::ClearGymnastNumber()
{
    qint16 clear = KeyClear;
    qint16 shift = 0;
    nledGymnastNum_KeyDown(clear, shift);
}

void frmScoreboard::nledScoreLeft_KeyUp(qint16 KeyCode, qint16 &Shift)
{
    AllKeyUp(KeyCode, Shift);
}

void frmScoreboard::nledGymnastNum_KeyDown(qint16 &KeyCode, qint16 &Shift)
{
    Q_UNUSED(Shift);
    m_stateTouched = true;
    AllKeyCode(KeyCode);
    if (modShowDigits::NumberEntryKey(nledGymnastNum, KeyCodeToAsci(KeyCode), GymnastNumberLowest,
                                      GymnastNumberHighest))
        emit GymnastNumberCommitted(variantToInt16(getPropertyByName(nledGymnastNum, u"Caption")));
}

void frmScoreboard::ShowGymnast(qint16 number, const QString &name, const QString &team,
                                const std::optional<QString> &homePicture)
{
    m_stateTouched = true;
    setPropertyByName(nledGymnastNum, u"Caption", number);
    txtGymnastName->setText(name);
    txtGymnastTeam->setText(team);
    // A gymnast without a picture of their own shows none, never the one before.
    if (homePicture)
        modStretch::FitPicture(imgHomePic, picHomePicContainer, fileExists(*homePicture) ? *homePicture : QString());
}

bool frmScoreboard::ShowsPlaceholder(const TextBox *box) const
{
    if (box == txtGymnastName)
        return box->Text() == m_namePlaceholder;
    if (box == txtGymnastTeam)
        return box->Text() == m_teamPlaceholder;
    return false;
}

void frmScoreboard::ClearScore()
{
    qint16 clear = KeyClear;
    qint16 shift = 0;
    nledScoreLeft_KeyDown(clear, shift);
}

void frmScoreboard::RestoreState(const BoardState &state, int64_t nowMs)
{
    m_stateTouched = true;
    txtEvent->setText(state.event);
    txtGymnastName->setText(state.name);
    txtGymnastTeam->setText(state.team);
    setPropertyByName(nledGymnastNum, u"Caption", state.number);
    setPropertyByName(nledScoreLeft, u"Caption", state.scoreWhole);
    setPropertyByName(nledScoreRight, u"Caption", state.scoreThousandths);
    const std::array<Control *, 3> keepers{tkRoutine, tkFall, tkWarmUp};
    const std::array<qint16 *, 3> presets{&RoutinePreset, &FallPreset, &WarmUpPreset};
    for (size_t i = 0; i < keepers.size(); ++i) {
        const ClockState &clock = state.clocks[i];
        *presets[i] = static_cast<qint16>(clock.preset);
        setPropertyByName(keepers[i], u"CountDirection", clock.countsUp ? 1 : 0);
        // Where the clock would stand now had the program never stopped, then running on.
        setTimeSec(keepers[i], Currency::fromDouble(clock.valueAt(nowMs)));
        setRunning(keepers[i], clock.running);
    }
    for (const auto &[path, image, box] : {std::tuple{state.homePicture, imgHomePic, picHomePicContainer},
                                           std::tuple{state.visitorPicture, imgVisitorPic, picVisitorPicContainer}})
        if (!path.isEmpty() && fileExists(path))
            modStretch::FitPicture(image, box, path);
    RefreshTime();
}

void frmScoreboard::dragEnterEvent(QDragEnterEvent *event)
{
    static const QMetaMethod dropped = QMetaMethod::fromSignal(&frmScoreboard::FileDropped);
    const QList<QUrl> urls = event->mimeData()->urls();
    if (isSignalConnected(dropped) && urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void frmScoreboard::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile()) {
        event->acceptProposedAction();
        const QString path = urls.first().toLocalFile();
        runGuarded("FileDropped", [&] { emit FileDropped(path); });
    }
}

// ---- Selection, colours, pictures -----------------------------------------------------

void frmScoreboard::ObjectSelected(QObject *SelectedObject)
{
    shpObjectSelected->setVisibleFlag(false);
    try {
        if (!SelectedObject)
            return;
        // A hand-stored width of 2185 or more overflows: the outline stays hidden.
        const int16_t margin = toInt16(LEDSelectedWidth * 15.0);
        const double left = variantToDouble(getPropertyByName(SelectedObject, u"Left"));
        const double top = variantToDouble(getPropertyByName(SelectedObject, u"Top"));
        const double width = variantToDouble(getPropertyByName(SelectedObject, u"Width"));
        const double height = variantToDouble(getPropertyByName(SelectedObject, u"Height"));
        // 15 twips more to the right and bottom: a width of 0 still shows a one-pixel line there.
        shpObjectSelected->Move(left - margin, top - margin, width + 2 * margin + 15, height + 2 * margin + 15);
        shpObjectSelected->setVisibleFlag(true);
    } catch (const RuntimeError &) {
        // An element without position and size, or a margin that does not fit, leaves the
        // outline hidden; nothing of it reaches the caller (the resize goes on to the pictures).
    }
}

void frmScoreboard::UpdateFormColors()
{
    m_stateTouched = true;
    setBackColor(ColorFormBack);
    modColor::SetLEDColors(nledGymnastNum, ColorGymnastLED);
    modColor::SetLEDColors(nledScoreLeft, ColorScoreLED);
    modColor::SetLEDColors(nledScoreRight, ColorScoreLED);
    modColor::SetLEDColors(tledRoutine, ColorRoutine);
    modColor::SetLEDColors(tledFall, ColorFall);
    modColor::SetLEDColors(tledWarmUp, ColorWarmUp);
    for (Control *display : {tledRoutine, tledFall, tledWarmUp})
        invoke(display, TimeLEDId::SeparatorColor, DispatchKind::PropertyLet, ColorBorder);
    setPropertyByName(shpScore, u"FillColor", ColorScoreLED);
    for (Control *text : {txtEvent, txtGymnastName, txtGymnastTeam}) {
        setPropertyByName(text, u"BackColor", ColorFormBack);
        setPropertyByName(text, u"ForeColor", ColorBorder);
    }
    modColor::SetLEDType(this, DigitLEDType);
    setPropertyByName(shpObjectSelected, u"FillColor", ColorLEDSelected);
    modColor::ColorControls(this, {picHomePicContainer, picVisitorPicContainer});
    setPropertyByName(picHomePicContainer, u"BackColor", ColorFormBack);
    setPropertyByName(picVisitorPicContainer, u"BackColor", ColorFormBack);
}

void frmScoreboard::UpdateLabels()
{
    m_stateTouched = true;
    modStretch::FitPicture(imgHomePic, picHomePicContainer, HomePic);
    modStretch::FitPicture(imgVisitorPic, picVisitorPicContainer, VisitorPic);
}

// ---- Buzzer and NumLock -----------------------------------------------------------------

void frmScoreboard::Buzzer()
{
    ++m_buzzCount;
    if (!mmcBuzzer->FileName().isEmpty())
        mmcBuzzer->setCommand(QStringLiteral("Play"));
}

void frmScoreboard::mmcBuzzer_Done()
{
    // Rewound, so that the next Play plays the whole sound from the start.
    mmcBuzzer->setCommand(QStringLiteral("Stop"));
    mmcBuzzer->setCommand(QStringLiteral("Prev"));
}

void frmScoreboard::UpdateNumLock()
{
    if (NumLockForce == 1)
        modGrabKeys::SetNumLock(true);
    else if (NumLockForce == 2)
        modGrabKeys::SetNumLock(false);
}

} // namespace tallyard
