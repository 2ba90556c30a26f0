// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// A LED cell painting four digits at the board's size (digits 90 pixels tall) against
// QLCDNumber painting the same four digits at the same pixel size, both into an image.
#include "components/NumberLED.h"

#include <QApplication>
#include <QImage>
#include <QLCDNumber>

#include <benchmark/benchmark.h>

namespace {

// The gymnast number's cell: Max 9999, Size 90, small margins: about 226 x 100 pixels.
std::unique_ptr<tallyard::NumberLED> boardCell(qint32 style)
{
    auto cell = std::make_unique<tallyard::NumberLED>();
    cell->setMax(9999);
    cell->setSize(90);
    cell->setPaddingH(150);
    cell->setPaddingV(75);
    cell->setLitColor(0x00C000);
    cell->setLedType(style);
    cell->setCaption(1234);
    return cell;
}

void paintInto(QWidget &widget, QImage &image, benchmark::State &state)
{
    for (auto _ : state) {
        widget.render(&image);
        benchmark::ClobberMemory();
    }
    state.counters["width"] = widget.width();
    state.counters["height"] = widget.height();
}

// Baseline: QLCDNumber, filled segments. Its segment length is the smaller of 5/12 of the
// height and 5/25 of the width for four digits; 240 x 108 gives segments of 45 pixels,
// digits 90 pixels tall.
void BM_QLCDNumberFilled(benchmark::State &state)
{
    QLCDNumber lcd(4);
    lcd.setFrameShape(QFrame::NoFrame);
    lcd.setSegmentStyle(QLCDNumber::Filled);
    lcd.resize(240, 108);
    lcd.display(1234);
    QImage image(lcd.size(), QImage::Format_ARGB32_Premultiplied);
    paintInto(lcd, image, state);
}
BENCHMARK(BM_QLCDNumberFilled);

void BM_NumberLEDSegments(benchmark::State &state)
{
    auto cell = boardCell(tallyard::led::Ortagon);
    QImage image(cell->size(), QImage::Format_ARGB32_Premultiplied);
    paintInto(*cell, image, state);
}
BENCHMARK(BM_NumberLEDSegments);

void BM_NumberLEDDots(benchmark::State &state)
{
    auto cell = boardCell(tallyard::led::CircleLED);
    QImage image(cell->size(), QImage::Format_ARGB32_Premultiplied);
    paintInto(*cell, image, state);
}
BENCHMARK(BM_NumberLEDDots);

// A clock's cell: the value changes before every paint (other glyphs, same look).
void BM_NumberLEDSegmentsChanging(benchmark::State &state)
{
    auto cell = boardCell(tallyard::led::Ortagon);
    QImage image(cell->size(), QImage::Format_ARGB32_Premultiplied);
    qint16 value = 1234;
    for (auto _ : state) {
        cell->setCaption(value = value == 1234 ? 1235 : 1234);
        cell->render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_NumberLEDSegmentsChanging);

// The worst case: a change of how digits look (here the lit colour) before every paint,
// so every glyph is drawn from its shapes again.
void BM_NumberLEDRestyled(benchmark::State &state)
{
    auto cell = boardCell(static_cast<qint32>(state.range(0)));
    QImage image(cell->size(), QImage::Format_ARGB32_Premultiplied);
    qint32 color = 0x00C000;
    for (auto _ : state) {
        cell->setLitColor(color = color == 0x00C000 ? 0x00C001 : 0x00C000);
        cell->render(&image);
        benchmark::ClobberMemory();
    }
}
// Argument: the style, 0 segments, 1 dots.
BENCHMARK(BM_NumberLEDRestyled)->Arg(tallyard::led::Ortagon)->Arg(tallyard::led::CircleLED);

void BM_QLCDNumberFilledChanging(benchmark::State &state)
{
    QLCDNumber lcd(4);
    lcd.setFrameShape(QFrame::NoFrame);
    lcd.setSegmentStyle(QLCDNumber::Filled);
    lcd.resize(240, 108);
    QImage image(lcd.size(), QImage::Format_ARGB32_Premultiplied);
    int value = 1234;
    for (auto _ : state) {
        lcd.display(value = value == 1234 ? 1235 : 1234);
        lcd.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_QLCDNumberFilledChanging);

} // namespace
