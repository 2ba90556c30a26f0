// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/TimerControl.h"

using namespace tallyard;
using namespace tallyard::test;

namespace {

class Timers : public Intrinsics { };

TEST_F(Timers, ATimerTicksWhileEnabledAndAFailingHandlerDoesNotStopIt)
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

} // namespace
