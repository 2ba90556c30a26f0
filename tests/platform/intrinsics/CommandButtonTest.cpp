// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/CommandButton.h"
#include "platform/intrinsics/TextBox.h"

using namespace tallyard;
using namespace tallyard::test;

namespace {

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

} // namespace
