// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/ComboBox.h"

using namespace tallyard;
using namespace tallyard::test;

namespace {

class ComboBoxes : public Intrinsics { };

TEST_F(ComboBoxes, AComboBoxSelectsByListIndexAndRaisesClickOnEveryChange)
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

} // namespace
