// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The board's refresh writes a Caption into each of its three clock displays 20 times a
// second. A Caption equal to what is shown must cost no paint; a ticking one repaints only
// the group that changed. Baselines in the same run: a bare pass of the event loop, and
// QLCDNumber showing the same ticking seconds at the same size.
#include "controls/Quellin.h"
#include "controls/TimeLED.h"

#include <QApplication>
#include <QLCDNumber>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A shown clock display at the board's design settings, with its first paint done.
std::unique_ptr<quellin::TimeLED> shownDisplay()
{
    auto led = std::make_unique<quellin::TimeLED>();
    led->InitProperties();
    led->setSize(59);
    led->setPaddingH(140);
    led->setPaddingI(200);
    led->setPaddingD(100);
    led->setLitColor(0x00C000);
    led->setCaption(1800);
    led->show();
    (void)QTest::qWaitForWindowExposed(led.get());
    QApplication::processEvents();
    return led;
}

void BM_EventLoopBaseline(benchmark::State &state)
{
    auto led = shownDisplay();
    for (auto _ : state)
        QApplication::processEvents();
}
BENCHMARK(BM_EventLoopBaseline);

void BM_CaptionUnchanged(benchmark::State &state)
{
    auto led = shownDisplay();
    const int paintsBefore = led->cell(0)->paintCount() + led->cell(1)->paintCount();
    for (auto _ : state) {
        led->setCaption(1800);
        QApplication::processEvents();
    }
    state.counters["cell paints"] = led->cell(0)->paintCount() + led->cell(1)->paintCount() - paintsBefore;
}
BENCHMARK(BM_CaptionUnchanged);

void BM_CaptionTicking(benchmark::State &state)
{
    auto led = shownDisplay();
    float seconds = 1800;
    for (auto _ : state) {
        seconds = seconds > 1 ? seconds - 1 : 1800;
        led->setCaption(seconds);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CaptionTicking);

void BM_QLCDNumberTicking(benchmark::State &state)
{
    auto led = shownDisplay();
    QLCDNumber lcd(5);
    lcd.setSegmentStyle(QLCDNumber::Filled);
    lcd.resize(led->size());
    lcd.show();
    (void)QTest::qWaitForWindowExposed(&lcd);
    led->hide();
    QApplication::processEvents();
    int seconds = 1800;
    for (auto _ : state) {
        seconds = seconds > 1 ? seconds - 1 : 1800;
        lcd.display(QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_QLCDNumberTicking);

} // namespace
