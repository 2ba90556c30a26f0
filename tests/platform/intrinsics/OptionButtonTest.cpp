// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/OptionButton.h"

using namespace tallyard;
using namespace tallyard::test;

namespace {

class OptionButtons : public Intrinsics { };

TEST_F(OptionButtons, OptionButtonsAreExclusiveWithinTheirContainerOnly)
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

} // namespace
