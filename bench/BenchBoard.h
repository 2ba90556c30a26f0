// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The loaded board the benchmarks measure: default settings in a folder of their own, a fake
// local clock the benchmark moves on, three clocks counting up and running, and the board's
// own refresh timer off so that only the measured ticks refresh it.
#include "platform/core/LocalTime.h"
#include "platform/system/SettingsStore.h"
#include "platform/intrinsics/TimerControl.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/frmScoreboard.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

namespace tallyard::bench {

inline std::atomic<int64_t> fakeMs{0};

inline SYSTEMTIME fakeNow()
{
    const int64_t ms = fakeMs.load();
    return fromCivilSeconds(ms / 1000, static_cast<int>(ms % 1000));
}

struct Board {
    Board()
    {
        SettingsStore::setFolderOverride(store.path());
        registerProgramControls();
        setLocalTimeOverride(fakeNow);
        fakeMs = civilSeconds(fromCivilSeconds(1'773'489'600)) * 1000;
        board = new frmScoreboard();
        board->Show();
        if (!QTest::qWaitForWindowExposed(board))
            qWarning("the board was not shown");
        // Three running clocks; the timer's own ticks stay out of the measurement.
        board->tmrClock1->setProperty("Enabled", false);
        // Counting up, so that every second of a long run changes every display.
        for (Control *clock : {board->tkRoutine, board->tkFall, board->tkWarmUp}) {
            clock->setProperty("CountDirection", 1);
            clock->setProperty("Running", true);
        }
        board->RefreshTime();
        QCoreApplication::processEvents();
    }
    ~Board()
    {
        delete board;
        setLocalTimeOverride({});
        SettingsStore::setFolderOverride({});
    }
    QTemporaryDir store;
    frmScoreboard *board = nullptr;
};

} // namespace tallyard::bench
