// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Scaling the whole board to 1920 x 1080 (the resize handler's StretchControls, the outline
// and the picture refit) and the repaint that follows, against a plain repaint of the same
// board at that size in the same run.
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "platform/forms/Shape.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/MMControl.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/intrinsics/TimerControl.h"
#include "scoreboard/forms/frmScoreboard.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace tallyard;

namespace {

constexpr double FullHdWidth = 1920 * TwipsPerPixel;
constexpr double FullHdHeight = 1080 * TwipsPerPixel;

struct Board {
    Board()
    {
        SettingsStore::setFolderOverride(store.path());
        registerProgramControls();
        board = new frmScoreboard();
        board->Show();
        if (!QTest::qWaitForWindowExposed(board))
            qWarning("the board was not shown");
        board->tmrClock1->setProperty("Enabled", false);
    }
    ~Board()
    {
        delete board;
        SettingsStore::setFolderOverride({});
    }
    void resizeTo(double width, double height)
    {
        board->setClientSize(width, height);
        QCoreApplication::processEvents(); // the resize handler and the paint it asks for
        QCoreApplication::processEvents();
    }
    QTemporaryDir store;
    frmScoreboard *board = nullptr;
};

void BM_RepaintAtFullHd(benchmark::State &state)
{
    Board b;
    b.resizeTo(FullHdWidth, FullHdHeight);
    for (auto _ : state) {
        b.board->repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RepaintAtFullHd)->Unit(benchmark::kMicrosecond);

void BM_StretchToFullHdAndRepaint(benchmark::State &state)
{
    Board b;
    for (auto _ : state) {
        state.PauseTiming();
        b.resizeTo(9480, 6795); // back at the design size, outside the measurement
        state.ResumeTiming();
        b.resizeTo(FullHdWidth, FullHdHeight);
    }
}
BENCHMARK(BM_StretchToFullHdAndRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
