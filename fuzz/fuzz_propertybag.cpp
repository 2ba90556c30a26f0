// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// A property bag's text form on any text: what fromText reads, toText writes so that reading
// it again gives the same bag, and writing that gives the same text.

#include "fuzz/FuzzSupport.h"
#include "platform/core/PropertyBag.h"

#include <algorithm>

using tallyard::PropertyBag;
using tallyard::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const PropertyBag bag = PropertyBag::fromText(tallyard::fuzz::textOf(data, size));
    const QString saved = bag.toText();
    const PropertyBag again = PropertyBag::fromText(saved);
    check(again == bag, "a bag read back from its text is the same bag");
    check(again.toText() == saved, "a bag's text is stable");
    for (const QString &key : bag.keys()) {
        check(!key.isEmpty(), "no entry without a key");
        // Full Unicode case mapping can change a key's length ("ß" to "SS"); ASCII cannot.
        const bool ascii = std::all_of(key.cbegin(), key.cend(), [](QChar c) { return c.unicode() < 128; });
        if (ascii)
            check(bag.contains(key.toUpper()) && bag.contains(key.toLower()), "keys are found whatever the case");
    }
    return 0;
}
