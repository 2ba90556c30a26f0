// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The board's 50 ms refresh with three running clocks: a tick whose shown seconds did not
// change (no paint expected) and a tick where they did, against three bare reads of the
// clocks in the same run.
#include "components/NumberLED.h"
#include "platform/core/LocalTime.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "platform/forms/Shape.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/MMControl.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/intrinsics/TimerControl.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/settings/Settings.h"
#include "scoreboard/state/BoardState.h"
#include "bench/BenchBoard.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <atomic>

using namespace tallyard;

namespace {

using bench::Board;
using bench::fakeMs;

void BM_ThreeBareReads(benchmark::State &state)
{
    Board b;
    for (auto _ : state) {
        benchmark::DoNotOptimize(b.board->tkRoutine->property("TimeSec"));
        benchmark::DoNotOptimize(b.board->tkFall->property("TimeSec"));
        benchmark::DoNotOptimize(b.board->tkWarmUp->property("TimeSec"));
    }
}
BENCHMARK(BM_ThreeBareReads);

// The two passes of the event loop each measured tick below includes.
void BM_EventLoopPasses(benchmark::State &state)
{
    Board b;
    for (auto _ : state) {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_EventLoopPasses);

void BM_RefreshUnchangedSeconds(benchmark::State &state)
{
    Board b;
    for (auto _ : state) {
        b.board->RefreshTime();
        QCoreApplication::processEvents(); // any paint the tick caused
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RefreshUnchangedSeconds);

// The same with the board's state followed, as the meet's state journal always follows it: the
// state's publication should cost a running clock nothing beyond the tick's own work.
void BM_RefreshUnchangedSecondsFollowed(benchmark::State &state)
{
    Board b;
    int64_t changes = 0;
    const QMetaObject::Connection follower
        = QObject::connect(&boardStates(), &BoardStatePublisher::changed, [&](const BoardState &) { ++changes; });
    for (auto _ : state) {
        b.board->RefreshTime();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    QObject::disconnect(follower);
    state.counters["changes"] = double(changes);
}
BENCHMARK(BM_RefreshUnchangedSecondsFollowed);

void BM_RefreshChangedSeconds(benchmark::State &state)
{
    Board b;
    for (auto _ : state) {
        fakeMs += 1000; // every tick a new second on all three displays
        b.board->RefreshTime();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RefreshChangedSeconds);

// How many cell paints a changed tick causes, to make sure the figures above include them.
void BM_PaintsPerChangedTick(benchmark::State &state)
{
    Board b;
    const auto paints = [&] {
        int n = 0;
        for (NumberLED *cell : b.board->findChildren<NumberLED *>())
            n += cell->paintCount();
        return n;
    };
    const int before = paints();
    int64_t ticks = 0;
    for (auto _ : state) {
        fakeMs += 1000;
        b.board->RefreshTime();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        ++ticks;
    }
    state.counters["paints_per_tick"] = double(paints() - before) / double(ticks);
}
BENCHMARK(BM_PaintsPerChangedTick);

} // namespace
