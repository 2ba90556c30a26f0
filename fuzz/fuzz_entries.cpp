// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The board's typed entries on any keys. The input is read twice: as a whole, as the text of
// a typed time; then byte by byte, as the characters typed on the board's displays. A tab
// moves on to the next display (routine clock, fall clock, score, gymnast number) and a line
// break is Enter, so seeds read like what an operator types ("1.305\n").

#include "components/NumberLED.h"
#include "fuzz/FuzzSupport.h"
#include "platform/core/Properties.h"
#include "scoreboard/modules/modCount.h"
#include "scoreboard/modules/modShowDigits.h"

#include <array>

using namespace tallyard;
using tallyard::fuzz::check;

namespace {

// The limits the board gives its entries.
constexpr int32_t RoutineLimit = 5999;
constexpr int32_t FallLimit = 599;
const Currency ScoreMaximum = Currency::fromRaw(199990);
constexpr qint16 NumberMinimum = -1;
constexpr qint16 NumberMaximum = 9999;

struct Displays {
    std::array<NumberLED *, 4> cells{};
    Displays()
    {
        const std::array<const char *, 4> names{"tledRoutine", "tledFall", "nledScoreLeft", "nledGymnastNum"};
        for (size_t i = 0; i < cells.size(); ++i) {
            cells[i] = new NumberLED;
            cells[i]->setName(QString::fromLatin1(names[i]));
        }
        cells[3]->setMax(NumberMaximum);
    }
};

Displays &displays()
{
    static Displays *d = new Displays;
    return *d;
}

void checkTime(Currency v, int32_t limit)
{
    if (v == modCount::NoValue)
        return;
    check(v >= Currency() && v <= Currency::fromInt(limit), "a committed time lies within 0..limit");
    check(v.raw() % (Currency::Scale / 10) == 0, "a committed time has tenths at most");
}

void typeOn(size_t display, qint16 ch)
{
    NumberLED *cell = displays().cells[display];
    switch (display) {
    case 0:
        checkTime(modCount::TimeEntryKey(cell, ch, RoutineLimit), RoutineLimit);
        break;
    case 1:
        checkTime(modCount::TimeEntryKey(cell, ch, FallLimit), FallLimit);
        break;
    case 2: {
        const Currency v = modCount::ScoreEntryKey(cell, ch, ScoreMaximum);
        if (v != modCount::NoValue) {
            check(v >= Currency() && v <= ScoreMaximum, "a committed score lies within 0..19.999");
            check(v.raw() % 10 == 0, "a committed score has three decimals at most");
        }
        break;
    }
    default: {
        const qint16 before = cell->Caption();
        modShowDigits::NumberEntryKey(cell, ch, NumberMinimum, NumberMaximum);
        const qint16 after = cell->Caption();
        check(after == before || (after >= NumberMinimum && after <= NumberMaximum),
              "the gymnast number changes only to a number within -1..9999");
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    tallyard::fuzz::ensureApplication();
    displays();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Currency typed = modCount::TypedTimeToSeconds(tallyard::fuzz::textOf(data, size));
    if (typed != modCount::NoValue) {
        // 99 minutes, 99 seconds and nine tenths at most.
        check(typed >= Currency() && typed <= Currency::fromRaw(60399000), "a typed time lies within 0..99.999");
        check(typed.raw() % (Currency::Scale / 10) == 0, "a typed time has tenths at most");
    }

    modCount::resetState();
    modShowDigits::resetState();
    displays().cells[3]->setCaption(0);
    size_t display = 0;
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = data[i];
        if (byte == '\t') {
            display = (display + 1) % displays().cells.size();
            continue;
        }
        typeOn(display, byte == '\n' ? modCount::EnterChar : static_cast<qint16>(byte));
    }
    return 0;
}
