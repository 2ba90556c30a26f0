// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// What every intrinsic control shares: creation by ProgID with its properties reachable by
// name, design values from a bag, twip geometry, OLE colours, and the tab order.
#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/Label.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/TextBox.h"

#include <QLineEdit>

using namespace tallyard;
using namespace tallyard::test;

namespace {

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

} // namespace
