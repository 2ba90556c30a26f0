// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/TextBox.h"
#include "platform/forms/VirtualKeys.h"

#include <QLineEdit>

using namespace tallyard;
using namespace tallyard::test;

namespace {

class TextBoxes : public Intrinsics { };

TEST_F(TextBoxes, ATextBoxRescalesItsTextAsSoonAsFontSizeIsSet)
{
    auto *box = add<TextBox>("VB.TextBox", nullptr, 0, 0, 4695, 855, "FontName = \"Arial\"\nFontSize = 32.25");
    EXPECT_EQ(box->editor()->font().pixelSize(), 43);
    setPropertyByName(box, u"FontSize", 64.5);
    EXPECT_EQ(box->editor()->font().pixelSize(), 86);
    EXPECT_EQ(box->FontSize(), 64.5);
}

TEST_F(TextBoxes, KeysTypedIntoATextBoxBecomeTextAndRaiseKeyEventsWithVirtualKeyCodes)
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

TEST_F(TextBoxes, TabbingIntoATextBoxKeepsItsTextAndLeavingShowsItsStart)
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

TEST_F(TextBoxes, TextSetByCodeRaisesChangeOnlyWhenItDiffers)
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

} // namespace
