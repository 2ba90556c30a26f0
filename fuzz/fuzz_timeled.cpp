// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// A TimeLED given its group lengths, group dividers and caption together, as a host sets them.
// The input is three lines: the lengths, the dividers and the caption ("2,2\n60,1\n75.5").
// A setter may refuse a value with a runtime error; the display must stay whole either way:
// at least one cell, one separator pair fewer than cells (but always one), and it paints. A
// refused length leaves the cells made before it, and a cell made without its separator stays
// out of sight until lengths are accepted again.

#include "controls/TimeLED.h"
#include "fuzz/FuzzSupport.h"
#include "platform/core/Values.h"
#include "platform/forms/ControlArray.h"

#include <QPixmap>

using tallyard::fuzz::check;

namespace {

quellin::TimeLED *display()
{
    static quellin::TimeLED *led = new quellin::TimeLED;
    return led;
}

void checkWhole(quellin::TimeLED &led, bool lengthsRefused)
{
    const int cells = led.cellCount();
    check(cells >= 1, "a display keeps at least one cell");
    check(led.shpBottom()->Count() == led.shpTop()->Count(), "top and bottom dots come in pairs");
    if (!lengthsRefused)
        check(led.shpTop()->Count() == std::max(cells - 1, 1), "one separator pair between each two cells");
    for (int i = led.shpTop()->Count() + 1; i < cells; ++i)
        check(!led.cell(i)->Visible(), "a cell without its separator is not shown");
    // Whatever a cell holds, its digits are drawn without reading outside the glyphs.
    if (led.width() * led.height() <= 4'000'000)
        (void)led.grab();
}

// Whether the setter refused the value, as a host would see it; the display carries on.
template <typename Set>
bool refused(Set set)
{
    try {
        set();
        return false;
    } catch (const tallyard::RuntimeError &) {
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    tallyard::fuzz::ensureApplication();
    display();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList parts = tallyard::fuzz::textOf(data, size).split(u'\n');
    quellin::TimeLED &led = *display();
    const bool lengthsRefused = refused([&] { led.setGroupLengths(parts.value(0)); });
    checkWhole(led, lengthsRefused);
    if (parts.size() > 1)
        refused([&] { led.setGroupDividers(parts.at(1)); });
    if (parts.size() > 2) {
        bool ok = false;
        const float caption = parts.at(2).toFloat(&ok);
        refused([&] { led.setCaption(ok ? caption : static_cast<float>(tallyard::numericValue(parts.at(2)))); });
    }
    checkWhole(led, lengthsRefused);
    // The board's own digits come back whatever a host set before.
    led.setGroupLengths(QString::fromLatin1(quellin::TimeLED::DefaultGroupLengths));
    led.setGroupDividers(QString::fromLatin1(quellin::TimeLED::DefaultGroupDividers));
    led.setCaption(75.5f);
    check(led.cellCount() == 2 && led.cell(0)->Caption() == 1 && led.cell(1)->Caption() == 15,
          "the default groups show 75.5 s as 1:15 after any input");
    tallyard::fuzz::deleteRemoved();
    return 0;
}
