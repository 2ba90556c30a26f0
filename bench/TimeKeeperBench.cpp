// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Reading a running clock against the bare local-time call it is built on.
#include "controls/TimeKeeper.h"
#include "platform/core/LocalTime.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_LocalTimeBaseline(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tallyard::systemLocalTime());
}
BENCHMARK(BM_LocalTimeBaseline);

void BM_TimeSecRunning(benchmark::State &state)
{
    quellin::TimeKeeper clock;
    clock.setTimeSec(tallyard::Currency::fromInt(1800));
    clock.setRunning(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(clock.TimeSec());
}
BENCHMARK(BM_TimeSecRunning);

} // namespace
