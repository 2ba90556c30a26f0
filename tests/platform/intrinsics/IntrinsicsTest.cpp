#include "platform/intrinsics/ComboBox.h"
#include "platform/intrinsics/CommandButton.h"
#include "platform/forms/ControlRegistry.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/Intrinsics.h"
#include "platform/intrinsics/Label.h"
#include "platform/intrinsics/OptionButton.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/core/Properties.h"
#include "platform/intrinsics/SSTab.h"
#include "platform/intrinsics/ScrollBar.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/intrinsics/TimerControl.h"
#include "platform/forms/VirtualKeys.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tallyard;

namespace {

// A form stand-in that records the keys reaching it, so a test can tell whether a
// control let a key through.
class Host : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys << event->key(); }
};

// Controls created by ProgID on one window, their design values set by name from
// "Key = value" lines, as a form's design table creates them.
class Intrinsics : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerIntrinsicControls(); }

    template <typename T = Control>
    T *add(const char *progId, QWidget *parent, double left, double top, double width, double height,
           const char *design = nullptr)
    {
        Control *control = createControl(QString::fromLatin1(progId), parent ? parent : window.get());
        control->Move(left, top, width, height);
        if (design) {
            const PropertyBag values = PropertyBag::fromText(QString::fromUtf8(design));
            for (const QString &key : values.keys())
                setPropertyByName(control, key, values.ReadProperty(key));
        }
        T *typed = qobject_cast<T *>(control);
        EXPECT_NE(typed, nullptr) << progId;
        return typed;
    }

    void showActive()
    {
        window->resize(640, 480);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    static QWidget *focused() { return QApplication::focusWidget(); }
    // The control that holds the focus (a text box for its inner line edit).
    static Control *focusedControl()
    {
        for (QWidget *w = focused(); w; w = w->parentWidget())
            if (auto *control = qobject_cast<Control *>(w))
                return control;
        return nullptr;
    }

    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), static_cast<Qt::Key>(key), modifiers);
    }

    std::unique_ptr<Host> window = std::make_unique<Host>();
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// The columns of w's pixels that differ from the background colour at its top-left corner.
std::pair<int, int> inkColumns(const QImage &image)
{
    const QRgb background = image.pixel(0, 0);
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

QString writePicture(const QTemporaryDir &dir, const QString &name, const QImage &image, const char *format)
{
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, format));
    return path;
}

// A picture 20 x 10 pixels, red on the left half and blue on the right.
QImage twoColourPicture()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    painter.fillRect(10, 0, 10, 10, Qt::blue);
    return image;
}

// --- Creation by ProgID --------------------------------------------------------------

TEST_F(Intrinsics, EveryProgIdCreatesItsTypeWithItsPropertiesReachableByName)
{
    const struct {
        const char *progId;
        const char *typeName;
        QStringList properties;
    } table[] = {
        {"VB.Label",
         "Label",
         {"Caption", "Alignment", "BackStyle", "BackColor", "ForeColor", "FontName", "FontSize", "FontBold", "WordWrap",
          "AutoSize"}},
        {"VB.TextBox",
         "TextBox",
         {"Text", "Alignment", "BackColor", "ForeColor", "FontName", "FontSize", "FontBold", "BorderStyle", "MaxLength",
          "Locked"}},
        {"VB.PictureBox", "PictureBox", {"BackColor", "BorderStyle", "Picture", "PictureWidth", "PictureHeight"}},
        {"VB.Image", "Image", {"Picture", "Stretch", "PictureWidth", "PictureHeight", "BorderStyle"}},
        {"VB.Frame", "Frame", {"Caption", "BorderStyle", "BackColor", "ForeColor", "FontName", "FontSize"}},
        {"VB.CommandButton", "CommandButton", {"Caption", "Default", "Cancel", "FontName", "FontSize"}},
        {"VB.OptionButton", "OptionButton", {"Caption", "Value"}},
        {"VB.ComboBox", "ComboBox", {"ListIndex", "ListCount", "Text"}},
        {"VB.HScrollBar", "HScrollBar", {"Min", "Max", "Value", "SmallChange", "LargeChange"}},
        {"VB.VScrollBar", "VScrollBar", {"Min", "Max", "Value", "SmallChange", "LargeChange"}},
        {"VB.Timer", "Timer", {"Interval", "Enabled"}},
        {"TabDlg.SSTab", "SSTab", {"Tabs", "Tab", "TabsPerRow", "TabHeight", "Caption"}},
        {"VB.Shape", "Shape", {"Shape", "FillColor", "FillStyle", "BorderColor", "BorderWidth"}},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.progId);
        std::unique_ptr<Control> control(createControl(QString::fromLatin1(row.progId), nullptr));
        EXPECT_EQ(typeName(control.get()), QString::fromLatin1(row.typeName));
        for (const QString &name : row.properties) {
            EXPECT_TRUE(hasProperty(control.get(), name.toLower())) << name.toStdString();
            EXPECT_NO_THROW(getPropertyByName(control.get(), name.toUpper())) << name.toStdString();
        }
        for (const char *common : {"Left", "Top", "Width", "Height", "Name", "Tag", "TabIndex", "TabStop"})
            EXPECT_TRUE(hasProperty(control.get(), QString::fromLatin1(common))) << common;
    }
}

TEST_F(Intrinsics, DesignValuesFromABagAreSetByNameAndAFaultyOneShowsAtOnce)
{
    const PropertyBag bag = PropertyBag::fromText(
        u"Caption = \"Routine\"\nFontName = \"Arial\"\nFontSize = 32.25\nAlignment = 2\nBackStyle = 0\n"
        u"ForeColor = 16777215\nName = \"Label1\"");
    auto *label = qobject_cast<Label *>(createControl(QStringLiteral("VB.Label"), window.get(), &bag));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), QStringLiteral("Routine"));
    EXPECT_EQ(label->FontSize(), 32.25);
    EXPECT_EQ(label->Alignment(), Label::Center);
    EXPECT_EQ(label->BackStyle(), Label::Transparent);
    EXPECT_EQ(label->ForeColor(), 0xFFFFFF);
    EXPECT_EQ(label->Name(), QStringLiteral("Label1"));

    const qsizetype children = window->children().size();
    const PropertyBag typo = PropertyBag::fromText(u"Captoin = \"Fall\"");
    EXPECT_THROW(createControl(QStringLiteral("VB.Label"), window.get(), &typo), MemberNotFound);
    const PropertyBag outOfRange = PropertyBag::fromText(u"Alignment = 3");
    EXPECT_THROW(createControl(QStringLiteral("VB.TextBox"), window.get(), &outOfRange), InvalidArgument);
    EXPECT_EQ(window->children().size(), children); // nothing half-made is left behind
}

TEST_F(Intrinsics, TwipGeometryReadsBackExactlyOnEveryControl)
{
    for (const char *progId :
         {"VB.Label", "VB.TextBox", "VB.PictureBox", "VB.Image", "VB.Frame", "VB.CommandButton", "VB.OptionButton",
          "VB.ComboBox", "VB.HScrollBar", "VB.VScrollBar", "VB.Timer", "TabDlg.SSTab"}) {
        SCOPED_TRACE(progId);
        Control *control = createControl(QString::fromLatin1(progId), window.get());
        setPropertyByName(control, u"Left", 1223.5);
        setPropertyByName(control, u"Top", 97.25);
        setPropertyByName(control, u"Width", 1500.75);
        setPropertyByName(control, u"Height", 400);
        EXPECT_EQ(getPropertyByName(control, u"Left").toDouble(), 1223.5);
        EXPECT_EQ(getPropertyByName(control, u"Top").toDouble(), 97.25);
        EXPECT_EQ(getPropertyByName(control, u"Width").toDouble(), 1500.75);
        EXPECT_EQ(getPropertyByName(control, u"Height").toDouble(), 400.0);
        EXPECT_EQ(control->geometry(), QRect(82, 6, 100, 27));
    }
}

// --- Fonts and colours ---------------------------------------------------------------

TEST_F(Intrinsics, FontSizesReadBackAsSetAndDrawAtFourThirdsOfAPointInPixels)
{
    auto *label = add<Label>("VB.Label", nullptr, 0, 0, 3000, 800, "FontName = \"Arial\"");
    const struct {
        double points;
        int pixels;
    } sizes[] = {{32.25, 43}, {38.25, 51}, {12, 16}, {8.25, 11}, {21.75, 29}, {0.2, 1}};
    for (const auto &size : sizes) {
        setPropertyByName(label, u"FontSize", size.points);
        EXPECT_EQ(getPropertyByName(label, u"fontsize").toDouble(), size.points);
        EXPECT_EQ(label->font().pixelSize(), size.pixels) << size.points;
    }
    EXPECT_THROW(label->setFontSize(0), InvalidArgument);
    EXPECT_THROW(label->setFontSize(-3), InvalidArgument);
    EXPECT_EQ(label->FontSize(), 0.2);
}

TEST_F(Intrinsics, ATextBoxRescalesItsTextAsSoonAsFontSizeIsSet)
{
    auto *box = add<TextBox>("VB.TextBox", nullptr, 0, 0, 4695, 855, "FontName = \"Arial\"\nFontSize = 32.25");
    EXPECT_EQ(box->editor()->font().pixelSize(), 43);
    setPropertyByName(box, u"FontSize", 64.5);
    EXPECT_EQ(box->editor()->font().pixelSize(), 86);
    EXPECT_EQ(box->FontSize(), 64.5);
}

TEST_F(Intrinsics, WindowsFontNamesFindAMetricCompatibleFamily)
{
    auto *label = add<Label>("VB.Label", nullptr, 0, 0, 3000, 800, "FontName = \"Arial\"\nFontSize = 32.25");
    auto *title = add<Label>("VB.Label", nullptr, 0, 0, 3000, 800, "FontName = \"Times New Roman\"");
    EXPECT_EQ(label->FontName(), QStringLiteral("Arial")); // reads back the designed name
    EXPECT_TRUE(QStringList({"Arial", "Liberation Sans"}).contains(QFontInfo(label->font()).family()))
        << QFontInfo(label->font()).family().toStdString();
    EXPECT_TRUE(QStringList({"Times New Roman", "Liberation Serif"}).contains(QFontInfo(title->font()).family()))
        << QFontInfo(title->font()).family().toStdString();
}

TEST_F(Intrinsics, ColoursAreOleValuesAndPaintWhatTheySay)
{
    window->setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::red);
    window->setPalette(palette);
    auto *opaque = add<Label>("VB.Label", nullptr, 0, 0, 600, 300, "BackColor = 65535"); // yellow
    auto *clear = add<Label>("VB.Label", nullptr, 900, 0, 600, 300, "BackStyle = 0\nBackColor = 65535");
    auto *box = add<PictureBox>("VB.PictureBox", nullptr, 0, 600, 600, 600, "BackColor = 8421504\nBorderStyle = 0");
    auto *text = add<TextBox>("VB.TextBox", nullptr, 900, 600, 600, 300, "BackColor = 4210752\nBorderStyle = 0");
    EXPECT_EQ(getPropertyByName(opaque, u"BackColor").toInt(), 0x00FFFF);
    const QImage shot = window->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(opaque->geometry().topLeft())), QColor(255, 255, 0));
    EXPECT_EQ(QColor(shot.pixel(clear->geometry().topLeft())), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(box->geometry().center())), QColor(128, 128, 128));
    EXPECT_EQ(QColor(shot.pixel(text->geometry().topLeft() + QPoint(1, 1))), QColor(64, 64, 64));
    // A new control starts in the system's colours, as the designer left them.
    EXPECT_EQ(add<TextBox>("VB.TextBox", nullptr, 0, 0, 100, 100)->BackColor(), syscolor::WindowBackground);
}

TEST_F(Intrinsics, ASetterThatChangesNothingDoesNotRepaint)
{
    auto *label = add<Label>("VB.Label", nullptr, 0, 0, 1500, 400, "Caption = \"Fall\"\nFontSize = 12");
    showActive();
    PaintCounter paints(label);
    QTest::qWait(30);
    paints.count = 0;
    label->setCaption(QStringLiteral("Fall"));
    setPropertyByName(label, u"FontSize", 12);
    setPropertyByName(label, u"ForeColor", getPropertyByName(label, u"ForeColor"));
    QTest::qWait(30);
    EXPECT_EQ(paints.count, 0);
    label->setCaption(QStringLiteral("Routine"));
    QTest::qWait(30);
    EXPECT_GE(paints.count, 1);
}

// --- Labels ---------------------------------------------------------------------------

TEST_F(Intrinsics, LabelTextIsAlignedWhereAsked)
{
    auto *label = add<Label>("VB.Label", nullptr, 0, 0, 3000, 735,
                             "Caption = \"Routine\"\nFontName = \"Arial\"\nFontSize = 20\nBackColor = 0\n"
                             "ForeColor = 16777215\nAlignment = 2");
    auto [first, last] = inkColumns(label->grab().toImage());
    ASSERT_GE(last, first);
    EXPECT_NEAR(first, label->width() - 1 - last, 2) << "centred";
    label->setAlignment(Label::RightJustify);
    std::tie(first, last) = inkColumns(label->grab().toImage());
    EXPECT_GE(last, label->width() - 4) << "right-aligned";
    label->setAlignment(Label::LeftJustify);
    std::tie(first, last) = inkColumns(label->grab().toImage());
    EXPECT_LE(first, 3) << "left-aligned";
}

TEST_F(Intrinsics, AnAutoSizedLabelTakesTheSizeOfItsText)
{
    auto *label = add<Label>("VB.Label", nullptr, 120, 240, 300, 300, "FontSize = 12\nAutoSize = True");
    label->setCaption(QStringLiteral("Click to continue."));
    const double narrow = label->Width();
    EXPECT_GT(narrow, 300);
    EXPECT_EQ(label->Left(), 120);
    label->setFontSize(24);
    EXPECT_GT(label->Width(), narrow * 1.8);
}

// --- Focus ----------------------------------------------------------------------------

TEST_F(Intrinsics, TabVisitsTheControlsThatTakeFocusAndNoOthers)
{
    auto *first = add<TextBox>("VB.TextBox", nullptr, 0, 0, 1500, 300);
    QList<Control *> focusable{first};
    focusable << add("VB.PictureBox", nullptr, 0, 400, 600, 600) << add("VB.CommandButton", nullptr, 0, 1100, 1200, 375)
              << add("VB.OptionButton", nullptr, 0, 1500, 1200, 300) << add("VB.ComboBox", nullptr, 0, 1900, 1200, 315)
              << add("VB.HScrollBar", nullptr, 0, 2300, 1200, 255) << add("TabDlg.SSTab", nullptr, 2000, 0, 3000, 2000);
    auto *frame = add("VB.Frame", nullptr, 6000, 0, 2000, 2000, "Caption = \"Numlock Options:\"");
    QList<Control *> never{frame, add("VB.Label", frame, 120, 300, 1200, 300, "Caption = \"inside\""),
                           add("VB.Label", nullptr, 6000, 2500, 1200, 300),
                           add("VB.Image", nullptr, 6000, 3000, 600, 600), add("VB.Timer", nullptr, 0, 0, 0, 0)};
    auto *skipped = add<TextBox>("VB.TextBox", nullptr, 0, 3000, 1500, 300, "TabStop = False");
    showActive();
    first->SetFocus();
    QSet<Control *> visited;
    for (int i = 0; i < 20; ++i) {
        visited << focusedControl();
        press(Qt::Key_Tab);
    }
    EXPECT_EQ(visited, QSet<Control *>(focusable.begin(), focusable.end()));
    for (Control *c : never)
        EXPECT_FALSE(c->canTakeFocus()) << typeName(c).toStdString();
    for (Control *c : focusable)
        EXPECT_TRUE(c->canTakeFocus()) << typeName(c).toStdString();

    // A click focuses a control off the tab order, and never a label.
    QTest::mouseClick(skipped->editor(), Qt::LeftButton);
    EXPECT_EQ(focusedControl(), skipped);
    int clicks = 0;
    QObject::connect(never[2], &Control::Click, [&] { ++clicks; });
    QTest::mouseClick(never[2], Qt::LeftButton);
    EXPECT_EQ(focusedControl(), skipped);
    EXPECT_EQ(clicks, 1);
}

// --- Text boxes -----------------------------------------------------------------------

TEST_F(Intrinsics, KeysTypedIntoATextBoxBecomeTextAndRaiseKeyEventsWithVirtualKeyCodes)
{
    auto *box = add<TextBox>("VB.TextBox", nullptr, 0, 0, 3000, 400);
    add<TextBox>("VB.TextBox", nullptr, 0, 600, 3000, 400);
    QList<int> downs, ups, presses;
    int changes = 0;
    QObject::connect(box, &Control::KeyDown, [&](qint16 &code, qint16 &) { downs << code; });
    QObject::connect(box, &Control::KeyUp, [&](qint16 code, qint16 &) { ups << code; });
    QObject::connect(box, &Control::KeyPress, [&](qint16 ascii) { presses << ascii; });
    QObject::connect(box, &TextBox::Change, [&] { ++changes; });
    showActive();
    box->SetFocus();
    QTest::keyClicks(focused(), QStringLiteral("ab1"));
    press(Qt::Key_Left);
    EXPECT_EQ(box->Text(), QStringLiteral("ab1"));
    EXPECT_EQ(downs, (QList<int>{65, 66, 49, vk::Left}));
    EXPECT_EQ(ups, (QList<int>{65, 66, 49, vk::Left}));
    EXPECT_EQ(presses, (QList<int>{'a', 'b', '1'}));
    EXPECT_EQ(changes, 3);

    // Keys the text has no use for stop at the text box; Tab moves on without a KeyDown.
    press(Qt::Key_F2);
    press(Qt::Key_Escape);
    EXPECT_TRUE(window->keys.isEmpty());
    EXPECT_EQ(downs.size(), 6);
    downs.clear();
    press(Qt::Key_Tab);
    EXPECT_TRUE(downs.isEmpty());
    EXPECT_NE(focusedControl(), box);
}

TEST_F(Intrinsics, TabbingIntoATextBoxKeepsItsTextAndLeavingShowsItsStart)
{
    auto *before = add<TextBox>("VB.TextBox", nullptr, 0, 0, 1500, 400);
    auto *name = add<TextBox>("VB.TextBox", nullptr, 0, 500, 1500, 400, "Text = \"Alexandra Konstantinova\"");
    showActive();
    before->SetFocus();
    press(Qt::Key_Tab);
    ASSERT_EQ(focusedControl(), name);
    // A stray key adds a letter; it does not replace the name.
    EXPECT_EQ(name->SelLength(), 0);
    press(Qt::Key_X);
    EXPECT_EQ(name->Text(), QStringLiteral("Alexandra Konstantinovax"));
    press(Qt::Key_Tab);
    EXPECT_NE(focusedControl(), name);
    // The audience reads the name from its first letter again.
    EXPECT_EQ(name->SelStart(), 0);
    EXPECT_EQ(name->editor()->cursorPosition(), 0);
}

TEST_F(Intrinsics, TextSetByCodeRaisesChangeOnlyWhenItDiffers)
{
    auto *box = add<TextBox>("VB.TextBox", nullptr, 0, 0, 3000, 400, "Text = \"Name\"\nMaxLength = 6");
    int changes = 0;
    QObject::connect(box, &TextBox::Change, [&] { ++changes; });
    setPropertyByName(box, u"Text", QStringLiteral("Name"));
    EXPECT_EQ(changes, 0);
    setPropertyByName(box, u"Text", QString());
    EXPECT_EQ(changes, 1);
    box->setLocked(true);
    showActive();
    box->SetFocus();
    QTest::keyClicks(focused(), QStringLiteral("x"));
    EXPECT_EQ(box->Text(), QString());
    box->setLocked(false);
    QTest::keyClicks(focused(), QStringLiteral("Gymnastics"));
    EXPECT_EQ(box->Text(), QStringLiteral("Gymnas"));
}

// --- Buttons --------------------------------------------------------------------------

class Buttons : public Intrinsics {
protected:
    void SetUp() override
    {
        text = add<TextBox>("VB.TextBox", nullptr, 0, 0, 1500, 300);
        ok = add<CommandButton>("VB.CommandButton", nullptr, 0, 600, 1080, 375, "Caption = \"&Ok\"\nDefault = True");
        cancel = add<CommandButton>("VB.CommandButton", nullptr, 1200, 600, 1080, 375,
                                    "Caption = \"&Cancel\"\nCancel = True");
        help = add<CommandButton>("VB.CommandButton", nullptr, 2400, 600, 1215, 375, "Caption = \"&Help\"");
        for (CommandButton *button : {ok, cancel, help})
            QObject::connect(button, &Control::Click, [this, button] { clicks << button->Caption(); });
        showActive();
        text->SetFocus();
    }

    TextBox *text = nullptr;
    CommandButton *ok = nullptr;
    CommandButton *cancel = nullptr;
    CommandButton *help = nullptr;
    QStringList clicks;
};

TEST_F(Buttons, EscClicksTheCancelButtonEnterTheDefaultAndAltALetterItsButton)
{
    press(Qt::Key_Escape);
    EXPECT_EQ(clicks, QStringList{"&Cancel"});
    press(Qt::Key_Return);
    EXPECT_EQ(clicks.last(), QStringLiteral("&Ok"));
    press(Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(clicks.last(), QStringLiteral("&Help"));
    EXPECT_EQ(focusedControl(), help);
    EXPECT_EQ(clicks.size(), 3);
    EXPECT_TRUE(text->Text().isEmpty()); // none of them typed into the text box
}

TEST_F(Buttons, AFocusedButtonTakesEnterAndSpaceItself)
{
    help->SetFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(clicks, QStringList{"&Help"});
    press(Qt::Key_Space);
    EXPECT_EQ(clicks, (QStringList{"&Help", "&Help"}));
}

TEST_F(Buttons, DefaultAndCancelBelongToOneButtonOfTheWindow)
{
    help->setCancel(true);
    EXPECT_FALSE(cancel->Cancel());
    press(Qt::Key_Escape);
    EXPECT_EQ(clicks, QStringList{"&Help"});
    help->setDefault(true);
    EXPECT_FALSE(ok->Default());
}

TEST_F(Buttons, ADisabledOrHiddenButtonIgnoresItsKeys)
{
    help->setEnabledFlag(false);
    press(Qt::Key_H, Qt::AltModifier);
    cancel->setVisibleFlag(false);
    press(Qt::Key_Escape);
    EXPECT_TRUE(clicks.isEmpty());
}

TEST_F(Buttons, TheMouseClicksOnlyWhenReleasedOverTheButton)
{
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(clicks, QStringList{"&Help"});
    EXPECT_EQ(focusedControl(), help);
    QTest::mousePress(ok, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(ok, Qt::LeftButton, {}, QPoint(-20, 5));
    EXPECT_EQ(clicks, QStringList{"&Help"});
}

// --- Option buttons -------------------------------------------------------------------

TEST_F(Intrinsics, OptionButtonsAreExclusiveWithinTheirContainerOnly)
{
    auto *numLock = add("VB.Frame", nullptr, 0, 0, 2000, 1500);
    auto *other = add("VB.Frame", nullptr, 2500, 0, 2000, 1500);
    auto *normal = add<OptionButton>("VB.OptionButton", numLock, 120, 300, 1700, 300, "Caption = \"Normal Mode\"");
    auto *keepOn = add<OptionButton>("VB.OptionButton", numLock, 120, 660, 1700, 300, "Caption = \"Keep Numlock On\"");
    auto *keepOff
        = add<OptionButton>("VB.OptionButton", numLock, 120, 1020, 1700, 300, "Caption = \"Keep Numlock Off\"");
    auto *elsewhere = add<OptionButton>("VB.OptionButton", other, 120, 300, 1700, 300, "Value = True");
    int clicks = 0;
    QObject::connect(keepOn, &Control::Click, [&] {
        ++clicks;
        EXPECT_TRUE(keepOn->Value());
    });
    normal->setValue(true);
    EXPECT_TRUE(elsewhere->Value());

    showActive();
    QTest::mouseClick(keepOn, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(normal->Value());
    EXPECT_TRUE(keepOn->Value());
    EXPECT_TRUE(elsewhere->Value());

    setPropertyByName(keepOn, u"Value", true); // already selected: nothing happens
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(focusedControl(), keepOn);
    press(Qt::Key_Down);
    EXPECT_TRUE(keepOff->Value());
    EXPECT_FALSE(keepOn->Value());
    EXPECT_EQ(focusedControl(), keepOff);
    setPropertyByName(keepOff, u"Value", false); // none selected, as a stored value may leave it
    EXPECT_FALSE(normal->Value() || keepOn->Value() || keepOff->Value());
}

// --- Lists and scroll bars ------------------------------------------------------------

TEST_F(Intrinsics, AComboBoxSelectsByListIndexAndRaisesClickOnEveryChange)
{
    auto *list = add<ComboBox>("VB.ComboBox", nullptr, 0, 0, 1500, 315);
    int clicks = 0;
    QObject::connect(list, &Control::Click, [&] { ++clicks; });
    list->AddItem(QStringLiteral("Lines"));
    list->AddItem(QStringLiteral("Dots"));
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(getPropertyByName(list, u"ListCount").toInt(), 2);
    EXPECT_EQ(list->List(1), QStringLiteral("Dots"));
    EXPECT_EQ(clicks, 0);

    setPropertyByName(list, u"ListIndex", 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list->Text(), QStringLiteral("Dots"));
    setPropertyByName(list, u"ListIndex", 1);
    setPropertyByName(list, u"ListIndex", 2); // outside the list: ignored
    setPropertyByName(list, u"ListIndex", -2);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(clicks, 1);

    showActive();
    list->SetFocus();
    press(Qt::Key_Up);
    EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_EQ(clicks, 2);
    list->setText(QStringLiteral("dots"));
    EXPECT_EQ(list->ListIndex(), 1);
    list->Clear();
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->List(0), QString());
}

TEST_F(Intrinsics, AScrollBarKeepsItsValueInRangeAndRaisesChangeForEveryNewValue)
{
    auto *bar = add<ScrollBar>("VB.HScrollBar", nullptr, 0, 0, 1500, 255, "Max = 10");
    int changes = 0;
    QObject::connect(bar, &ScrollBar::Change, [&] { ++changes; });
    setPropertyByName(bar, u"Value", 15);
    EXPECT_EQ(bar->Value(), 10);
    EXPECT_EQ(changes, 1);
    setPropertyByName(bar, u"Value", 10);
    EXPECT_EQ(changes, 1);
    bar->setMax(5);
    EXPECT_EQ(bar->Value(), 5);
    EXPECT_EQ(changes, 2);
    bar->setValue(-3);
    EXPECT_EQ(bar->Value(), 0);
    EXPECT_EQ(changes, 3);
}

TEST_F(Intrinsics, AVerticalScrollBarWithItsMinimumOnTopCountsUpWithTheUpArrow)
{
    // The selection width: 0 to 5 with 5 at the top.
    auto *width = add<ScrollBar>("VB.VScrollBar", nullptr, 0, 0, 255, 255, "Min = 5\nMax = 0\nValue = 4");
    QList<int> values;
    QObject::connect(width, &ScrollBar::Change, [&] { values << width->Value(); });
    showActive();
    width->SetFocus();
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_EQ(values, (QList<int>{5}));
    for (int i = 0; i < 7; ++i)
        press(Qt::Key_Down);
    EXPECT_EQ(values, (QList<int>{5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(width->Value(), 0);
}

// --- Timers ---------------------------------------------------------------------------

TEST_F(Intrinsics, ATimerTicksWhileEnabledAndAFailingHandlerDoesNotStopIt)
{
    auto *timer = add<TimerControl>("VB.Timer", nullptr, 0, 0, 0, 0, "Interval = 10");
    int ticks = 0;
    QObject::connect(timer, &TimerControl::Timer, [&] {
        if (++ticks == 1)
            throw OverflowError();
    });
    window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
    EXPECT_FALSE(timer->isVisible());
    setPropertyByName(timer, u"Visible", true);
    EXPECT_FALSE(timer->isVisible());

    setPropertyByName(timer, u"Enabled", false);
    const int stopped = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
    timer->setEnabledFlag(true);
    timer->setInterval(0); // no interval, no ticks
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
    EXPECT_THROW(timer->setInterval(-1), InvalidArgument);
    EXPECT_THROW(timer->setInterval(65536), InvalidArgument);
}

// --- Images and picture boxes ---------------------------------------------------------

TEST_F(Intrinsics, AnImageTakesItsPicturesNaturalSizeUnlessStretched)
{
    QTemporaryDir dir;
    const QString path = writePicture(dir, QStringLiteral("home.png"), twoColourPicture(), "PNG");
    auto *image = add<Image>("VB.Image", nullptr, 30, 45, 735, 1095);
    setPropertyByName(image, u"Picture", path);
    EXPECT_EQ(getPropertyByName(image, u"PictureWidth").toDouble(), 300.0);
    EXPECT_EQ(getPropertyByName(image, u"PictureHeight").toDouble(), 150.0);
    EXPECT_EQ(image->Width(), 300.0);
    EXPECT_EQ(image->Height(), 150.0);
    EXPECT_EQ(image->Left(), 30.0);
    EXPECT_EQ(image->Picture(), path);

    // Stretched, the picture fills whatever size the control is given.
    setPropertyByName(image, u"Stretch", true);
    image->Move(0, 0, 1200, 300);
    EXPECT_EQ(image->Width(), 1200.0);
    const QImage shot = image->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(80, 20));
    EXPECT_EQ(QColor(shot.pixel(2, 10)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(77, 10)), QColor(Qt::blue));
    EXPECT_EQ(image->shownImage().size(), QSize(80, 20)); // decoded at the size shown
    // Switching stretching off keeps the size until the next picture.
    image->setStretch(false);
    EXPECT_EQ(image->Width(), 1200.0);
    image->setPicture(path);
    EXPECT_EQ(image->Width(), 300.0);
    // A picture from memory shows and sizes the image the same way.
    image->setPictureImage(twoColourPicture().scaled(40, 10));
    EXPECT_EQ(image->Picture(), QString());
    EXPECT_EQ(image->Width(), 600.0);
    EXPECT_EQ(QColor(image->grab().toImage().pixel(38, 5)), QColor(Qt::blue));

    image->clearPicture();
    EXPECT_FALSE(image->hasPicture());
    EXPECT_EQ(image->PictureWidth(), 0.0);
    EXPECT_EQ(image->Picture(), QString());
}

TEST_F(Intrinsics, AFileThatIsNoPictureLeavesTheControlEmptyAndTheFormRunning)
{
    QTemporaryDir dir;
    const QString good = writePicture(dir, QStringLiteral("good.png"), twoColourPicture(), "PNG");
    QFile garbage(dir.filePath(QStringLiteral("garbage.bmp")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("BM this is not a bitmap at all \x01\x02\x03");
    garbage.close();
    QFile empty(dir.filePath(QStringLiteral("empty.jpg")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    auto *image = add<Image>("VB.Image", nullptr, 0, 0, 735, 1095);
    auto *box = add<PictureBox>("VB.PictureBox", nullptr, 0, 0, 1215, 1215);
    for (const QString &bad :
         {garbage.fileName(), empty.fileName(), dir.filePath(QStringLiteral("missing.gif")), dir.path()}) {
        SCOPED_TRACE(bad.toStdString());
        image->setPicture(good);
        box->setPicture(good);
        ASSERT_TRUE(image->hasPicture() && box->hasPicture());
        EXPECT_NO_THROW(setPropertyByName(image, u"Picture", bad));
        EXPECT_NO_THROW(setPropertyByName(box, u"Picture", bad));
        EXPECT_FALSE(image->hasPicture());
        EXPECT_FALSE(box->hasPicture());
        EXPECT_EQ(getPropertyByName(image, u"PictureHeight").toDouble(), 0.0);
        EXPECT_EQ(image->Picture(), QString());
        EXPECT_FALSE(image->grab().isNull());
    }
}

TEST_F(Intrinsics, APictureBoxHoldsControlsInItsOwnTwipsAndShowsItsPictureInTheCorner)
{
    QTemporaryDir dir;
    const QString path = writePicture(dir, QStringLiteral("logo.bmp"), twoColourPicture(), "BMP");
    auto *box = add<PictureBox>("VB.PictureBox", nullptr, 1500, 1500, 1200, 600, "BorderStyle = 0\nBackColor = 0");
    auto *inside = add<Image>("VB.Image", box, 150, 300, 300, 150);
    EXPECT_EQ(inside->Container(), box);
    EXPECT_EQ(inside->geometry(), QRect(10, 20, 20, 10));
    box->setPicture(path);
    EXPECT_EQ(box->PictureWidth(), 300.0);
    EXPECT_EQ(box->Width(), 1200.0); // no AutoSize
    const QImage shot = box->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(1, 1)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(15, 5)), QColor(Qt::blue));
    EXPECT_EQ(QColor(shot.pixel(40, 30)), QColor(Qt::black));
    box->setAutoSize(true);
    EXPECT_EQ(box->Width(), 300.0);
    EXPECT_EQ(box->Height(), 150.0);
}

// --- Tab control ----------------------------------------------------------------------

TEST_F(Intrinsics, ChangingTheTabShowsOnlyThatTabsControls)
{
    auto *tabs = add<SSTab>("TabDlg.SSTab", nullptr, 120, 120, 5895, 4215, "Tabs = 4\nTabsPerRow = 4");
    for (int i = 0; i < 4; ++i)
        tabs->setTabCaption(i, QStringList{"Keys", "Colors", "Pictures", "Other Settings"}[i]);
    auto *keys = add<TextBox>("VB.TextBox", tabs->page(0), 4680, 3720, 615, 285);
    auto *colors = add<CommandButton>("VB.CommandButton", tabs->page(1), 4560, 3660, 1215, 375);
    auto *pictures = add<Label>("VB.Label", tabs->page(2), 360, 540, 1215, 255);
    int clicks = 0;
    QObject::connect(tabs, &Control::Click, [&] { ++clicks; });
    showActive();
    EXPECT_TRUE(keys->isVisible());
    EXPECT_FALSE(colors->isVisible());
    // Twips count from the tab control's corner, tab row included.
    EXPECT_EQ(colors->mapTo(tabs, QPoint(0, 0)), QPoint(304, 244));

    setPropertyByName(tabs, u"Tab", 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(keys->isVisible());
    EXPECT_TRUE(colors->isVisible());
    EXPECT_FALSE(pictures->isVisible());
    EXPECT_EQ(getPropertyByName(tabs, u"Caption").toString(), QStringLiteral("Colors"));
    setPropertyByName(tabs, u"Tab", 4); // no such tab
    setPropertyByName(tabs, u"Tab", 1);
    EXPECT_EQ(tabs->Tab(), 1);
    EXPECT_EQ(clicks, 1);

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(tabs->Tab(), 2);
    EXPECT_TRUE(pictures->isVisible());
    EXPECT_EQ(focusedControl(), tabs);
    press(Qt::Key_Right);
    EXPECT_EQ(tabs->Tab(), 3);
    press(Qt::Key_Right);
    EXPECT_EQ(tabs->Tab(), 0);
    EXPECT_EQ(clicks, 4);

    // The focus never goes to a control of a tab that is not shown.
    QSet<Control *> visited;
    for (int i = 0; i < 6; ++i) {
        visited << focusedControl();
        press(Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (QSet<Control *>{tabs, keys}));
}

TEST_F(Intrinsics, AControlMadeOnTheTabControlGoesToTheTabCurrentThen)
{
    auto *tabs = add<SSTab>("TabDlg.SSTab", nullptr, 0, 0, 5895, 4215, "Tabs = 3");
    auto *first = add<CommandButton>("VB.CommandButton", tabs, 300, 600, 1215, 375);
    tabs->setTab(2);
    auto *third = add<CommandButton>("VB.CommandButton", tabs, 300, 600, 1215, 375);
    auto *moved = add<CommandButton>("VB.CommandButton", tabs, 300, 1200, 1215, 375);
    tabs->placeOnTab(moved, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(tabs->tabOf(first), 0);
    EXPECT_EQ(tabs->tabOf(third), 2);
    EXPECT_EQ(tabs->tabOf(moved), 1);
    EXPECT_EQ(first->parentControl(), tabs);
    EXPECT_EQ(first->mapTo(tabs, QPoint(0, 0)), QPoint(20, 40));
    showActive();
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(third->isVisible());
    EXPECT_THROW(tabs->page(3), SubscriptOutOfRange);
}

} // namespace
