// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "controls/Quellin.h"
#include "controls/TimeKeeper.h"
#include "platform/forms/ControlRegistry.h"
#include "platform/core/Properties.h"
#include "tests/support/TestSupport.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

using namespace tallyard;
using quellin::TimeKeeper;

namespace {

namespace Id = quellin::dispid::TimeKeeper;
constexpr int32_t RunningId = Id::Running;
constexpr int32_t CountDirectionId = Id::CountDirection;
constexpr int32_t TimeSecId = Id::TimeSec;
constexpr int32_t TimeSecV2Id = Id::TimeSecV2;
constexpr int32_t UpdateBetweenTimeId = Id::UpdateBetweenTime;

// A clock created by its ProgID and driven late-bound, as the board drives its clocks.
class TimeKeeperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        quellin::registerControls();
        clock.reset(createControl(QStringLiteral("Quellin.TimeKeeper"), nullptr));
    }

    double read() { return variantToDouble(invoke(clock.get(), TimeSecId, DispatchKind::PropertyGet)); }
    void set(double seconds) { invoke(clock.get(), TimeSecId, DispatchKind::PropertyLet, seconds); }
    void run(bool on) { invoke(clock.get(), RunningId, DispatchKind::PropertyLet, on); }
    bool running() { return invoke(clock.get(), RunningId, DispatchKind::PropertyGet).toBool(); }
    void direction(int d) { invoke(clock.get(), CountDirectionId, DispatchKind::PropertyLet, d); }
    TimeKeeper *keeper() { return qobject_cast<TimeKeeper *>(clock.get()); }

    test::FakeLocalTime now{2026, 3, 14, 12, 0, 0, 0};
    std::unique_ptr<Control> clock;
};

TEST_F(TimeKeeperTest, ANewClockReadsZeroStoppedCountingDown)
{
    ASSERT_NE(keeper(), nullptr);
    EXPECT_EQ(typeName(clock.get()), QStringLiteral("TimeKeeper"));
    EXPECT_EQ(read(), 0.0);
    EXPECT_FALSE(running());
    EXPECT_EQ(invoke(clock.get(), CountDirectionId, DispatchKind::PropertyGet).toInt(), quellin::Down);
    EXPECT_EQ(keeper()->lblTime()->objectName(), QStringLiteral("lblTime"));
}

TEST_F(TimeKeeperTest, SettingTheTimeStopsTheClockThere)
{
    set(90);
    EXPECT_EQ(read(), 90.0);
    EXPECT_FALSE(running());
    EXPECT_EQ(keeper()->lblTime()->text(), QStringLiteral("90"));
    run(true);
    now.advance(2500);
    set(45);
    EXPECT_FALSE(running());
    now.advance(5000);
    EXPECT_EQ(read(), 45.0);
}

TEST_F(TimeKeeperTest, ARunningClockFollowsTheLocalTimeToATenth)
{
    set(90);
    run(true);
    now.advance(2340);
    EXPECT_DOUBLE_EQ(read(), 87.7); // 2.3 s elapsed, tenths truncated
    EXPECT_EQ(keeper()->lblTime()->text(), QStringLiteral("87.7"));
    direction(quellin::Up);
    now.advance(1000);
    EXPECT_DOUBLE_EQ(read(), 88.7);
}

TEST_F(TimeKeeperTest, TenthsComeFromTheMillisecondFields)
{
    now.set(2026, 3, 14, 12, 0, 0, 950);
    direction(quellin::Up);
    run(true);
    now.set(2026, 3, 14, 12, 0, 1, 49);
    EXPECT_DOUBLE_EQ(read(), 0.1);
    now.set(2026, 3, 14, 12, 0, 1, 850);
    EXPECT_DOUBLE_EQ(read(), 0.9);
    now.set(2026, 3, 14, 12, 0, 1, 949); // 0.999 s, but the tenths fields say a whole second
    EXPECT_DOUBLE_EQ(read(), 1.0);
}

TEST_F(TimeKeeperTest, ACountDownHoldsAtZeroAndKeepsRunning)
{
    set(5);
    run(true);
    now.advance(6000);
    EXPECT_EQ(read(), 0.0);
    EXPECT_TRUE(running());
    EXPECT_EQ(keeper()->BaseTime(), Currency());
    now.advance(3000);
    EXPECT_EQ(read(), 0.0);
    run(false);
    EXPECT_EQ(read(), 0.0);
    EXPECT_EQ(keeper()->BaseTime(), Currency());
}

TEST_F(TimeKeeperTest, CountingUpHasNoUpperBound)
{
    direction(quellin::Up);
    run(true);
    now.advance(int64_t{400} * 24 * 3600 * 1000); // more than a year
    EXPECT_EQ(read(), 400.0 * 24 * 3600);
}

struct Crossing {
    const char *name;
    int from[6];
    int to[6];
    double elapsed;
    friend void PrintTo(const Crossing &c, std::ostream *os) { *os << c.name; }
};

class TimeKeeperCrossing : public TimeKeeperTest, public ::testing::WithParamInterface<Crossing> { };

TEST_P(TimeKeeperCrossing, ARunGoesOnAcrossDateBoundaries)
{
    const Crossing c = GetParam();
    now.set(c.from[0], c.from[1], c.from[2], c.from[3], c.from[4], c.from[5]);
    direction(quellin::Up);
    run(true);
    now.set(c.to[0], c.to[1], c.to[2], c.to[3], c.to[4], c.to[5]);
    EXPECT_EQ(read(), c.elapsed) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, TimeKeeperCrossing,
    ::testing::Values(Crossing{"midnight", {2026, 3, 14, 23, 59, 50}, {2026, 3, 15, 0, 0, 5}, 15},
                      Crossing{"month end", {2026, 2, 28, 23, 59, 59}, {2026, 3, 1, 0, 0, 1}, 2},
                      Crossing{"leap day", {2028, 2, 28, 23, 59, 59}, {2028, 3, 1, 0, 0, 0}, 86401},
                      Crossing{"new year", {2026, 12, 31, 23, 59, 30}, {2027, 1, 1, 0, 0, 30}, 60},
                      Crossing{"clock set back", {2026, 3, 14, 12, 0, 10}, {2026, 3, 14, 12, 0, 0}, -10}));

TEST_F(TimeKeeperTest, AStopKeepsTheValueOfTheLastRead)
{
    set(60);
    run(true);
    now.advance(3000);
    EXPECT_EQ(read(), 57.0);
    now.advance(4000); // no read since the last refresh
    run(false);
    EXPECT_EQ(read(), 57.0);
}

TEST_F(TimeKeeperTest, ANegativeTimeIsIgnoredWhileRunning)
{
    set(30);
    run(true);
    now.advance(1000);
    set(-1);
    EXPECT_TRUE(running());
    now.advance(1000);
    EXPECT_EQ(read(), 28.0);
}

TEST_F(TimeKeeperTest, ADirectionChangeContinuesFromTheValueShown)
{
    set(30);
    run(true);
    now.advance(10000);
    EXPECT_EQ(read(), 20.0);
    direction(quellin::Up);
    EXPECT_TRUE(running());
    EXPECT_EQ(read(), 20.0);
    now.advance(5000);
    EXPECT_EQ(read(), 25.0);
    direction(7); // any value but Down counts up
    now.advance(1000);
    EXPECT_EQ(read(), 26.0);
}

TEST_F(TimeKeeperTest, AStartWhileRunningKeepsTheStartInstant)
{
    set(100);
    run(true);
    const QString started = keeper()->StartTime();
    EXPECT_EQ(started, QStringLiteral("3/14/2026 12:0:0"));
    now.advance(4000);
    run(true);
    EXPECT_EQ(keeper()->StartTime(), started);
    EXPECT_EQ(read(), 96.0);
}

TEST_F(TimeKeeperTest, ReadWhileStoppedGivesTheBaseAndClampsACountDown)
{
    set(10);
    run(true);
    now.advance(4000);
    EXPECT_EQ(read(), 6.0);
    run(false);
    now.advance(60000);
    EXPECT_EQ(read(), 6.0);
}

TEST_F(TimeKeeperTest, TimeSecV2ReadsToTheMillisecondAndStops)
{
    set(10);
    run(true);
    now.advance(1234);
    const double v = variantToDouble(invoke(clock.get(), TimeSecV2Id, DispatchKind::PropertyGet));
    EXPECT_DOUBLE_EQ(v, 8.766);
    EXPECT_FALSE(running());
    now.advance(5000);
    EXPECT_DOUBLE_EQ(read(), 8.766);
}

TEST_F(TimeKeeperTest, UpdateBetweenTimeReturnsEmpty)
{
    set(10);
    run(true);
    now.advance(250);
    EXPECT_FALSE(invoke(clock.get(), UpdateBetweenTimeId, DispatchKind::Method).isValid());
    EXPECT_EQ(keeper()->BetweenTime(), Currency::fromDouble(0.25));
}

TEST_F(TimeKeeperTest, MembersAreReachedByCaseInsensitiveNames)
{
    invoke(clock.get(), u"timesec", DispatchKind::PropertyLet, 12);
    invoke(clock.get(), u"RUNNING", DispatchKind::PropertyLet, true);
    now.advance(2000);
    EXPECT_EQ(variantToDouble(getPropertyByName(clock.get(), u"TimeSec")), 10.0);
    EXPECT_EQ(dispId(clock.get(), u"updatebetweentime"), UpdateBetweenTimeId);
}

TEST_F(TimeKeeperTest, PersistsRunningAndDirectionOnly)
{
    PropertyBag empty;
    clock->WriteProperties(empty);
    EXPECT_TRUE(empty.isEmpty());

    direction(quellin::Up);
    PropertyBag bag;
    clock->WriteProperties(bag);
    EXPECT_EQ(bag.keys(), QStringList{QStringLiteral("PCountDirection")});
    std::unique_ptr<Control> copy(createControl(QStringLiteral("Quellin.TimeKeeper"), nullptr, &bag));
    EXPECT_EQ(getPropertyByName(copy.get(), u"CountDirection").toInt(), quellin::Up);
    EXPECT_FALSE(getPropertyByName(copy.get(), u"Running").toBool());
}

TEST_F(TimeKeeperTest, AClockLoadedRunningIgnoresStartsUntilStopped)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("PRunning"), true, false);
    std::unique_ptr<Control> loaded(createControl(QStringLiteral("Quellin.TimeKeeper"), nullptr, &bag));
    auto *k = qobject_cast<TimeKeeper *>(loaded.get());
    k->setTimeSec(Currency::fromInt(0)); // a set stops it first
    k->ReadProperties(bag);              // loaded running again, with no start instant
    k->setRunning(true);
    now.advance(5000);
    EXPECT_TRUE(k->Running());
    EXPECT_EQ(k->TimeSec(), Currency());
    k->setRunning(false);
    k->setCountDirection(quellin::Up);
    k->setRunning(true);
    now.advance(3000);
    EXPECT_EQ(k->TimeSec(), Currency::fromInt(3));
}

TEST_F(TimeKeeperTest, CurrencyOverflowReachesTheCaller)
{
    direction(quellin::Up);
    keeper()->setTimeSec(Currency::fromRaw(INT64_MAX - 5));
    run(true);
    now.advance(1000);
    EXPECT_THROW(read(), OverflowError);
}

} // namespace
