// The board at 1920 x 1080 with the Routine and Warm-Up clocks running on the real clock and
// its own 50 ms refresh, for a minute (TALLYARD_HALL_SECONDS to change it): the process's CPU
// time alone, and with the audience window beside it, in the same run.
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/hall/AudienceWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

using namespace tallyard;

namespace {

int seconds()
{
    const int s = qEnvironmentVariableIntValue("TALLYARD_HALL_SECONDS");
    return s > 0 ? s : 60;
}

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
        QEventLoop loop;
        QTimer::singleShot(seconds() * 1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    state.counters["seconds"] = seconds();
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
