// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The board at 1920 x 1080 with the Routine and Warm-Up clocks running on the real clock and
// its own 50 ms refresh, for a minute (TALLYARD_HALL_SECONDS to change it): the process's CPU
// time alone, and with the audience window beside it, against a bare Qt window of the same
// size ticking a 50 ms timer, in the same run. Each also reports the process's peak memory
// so far (the bare window runs first).
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "platform/forms/Shape.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/MMControl.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/intrinsics/TimerControl.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/hall/AudienceWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>

using namespace tallyard;

namespace {

int seconds()
{
    const int s = qEnvironmentVariableIntValue("TALLYARD_HALL_SECONDS");
    return s > 0 ? s : 60;
}

void reportPeakMemory(benchmark::State &state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = usage.ru_maxrss / 1024.0;
    state.counters["seconds"] = seconds();
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void BM_BareTimer(benchmark::State &state)
{
    QWidget window;
    window.resize(1920, 1080);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window was not shown");
    QTest::qWait(200);
    int ticks = 0;
    QTimer timer;
    timer.setInterval(50);
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    for (auto _ : state) {
        timer.start();
        runFor(seconds() * 1000);
        timer.stop();
    }
    state.counters["ticks"] = ticks;
    reportPeakMemory(state);
}
BENCHMARK(BM_BareTimer)->Iterations(1)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_RunningBoard(benchmark::State &state)
{
    const bool withAudience = state.range(0) != 0;
    QTemporaryDir store;
    SettingsStore::setFolderOverride(store.path());
    registerProgramControls();
    auto *board = new frmScoreboard();
    board->Show();
    board->resize(1920, 1080);
    std::unique_ptr<AudienceWindow> audience;
    if (withAudience) {
        audience = std::make_unique<AudienceWindow>(board, QGuiApplication::primaryScreen());
        audience->resize(1920, 1080);
    }
    if (!QTest::qWaitForWindowExposed(board))
        state.SkipWithError("the board was not shown");
    QTest::qWait(200);
    for (auto _ : state) {
        for (Control *clock : {board->tkRoutine, board->tkWarmUp})
            clock->setProperty("Running", true);
        runFor(seconds() * 1000);
    }
    reportPeakMemory(state);
    audience.reset();
    delete board;
    SettingsStore::setFolderOverride({});
}
BENCHMARK(BM_RunningBoard)
    ->ArgName("audience")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
