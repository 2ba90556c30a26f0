// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/CommandButton.h"
#include "platform/intrinsics/Label.h"
#include "platform/intrinsics/SSTab.h"
#include "platform/intrinsics/TextBox.h"

#include <QSet>

using namespace tallyard;
using namespace tallyard::test;

namespace {

class TabControls : public Intrinsics { };

TEST_F(TabControls, ChangingTheTabShowsOnlyThatTabsControls)
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

TEST_F(TabControls, AControlMadeOnTheTabControlGoesToTheTabCurrentThen)
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
