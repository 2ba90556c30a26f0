// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/ScrollBar.h"

using namespace tallyard;
using namespace tallyard::test;

namespace {

class ScrollBars : public Intrinsics { };

TEST_F(ScrollBars, AScrollBarKeepsItsValueInRangeAndRaisesChangeForEveryNewValue)
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

TEST_F(ScrollBars, AVerticalScrollBarWithItsMinimumOnTopCountsUpWithTheUpArrow)
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

} // namespace
