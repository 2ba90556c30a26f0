// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The published dispatch ids, written out here as hosts know them, checked against the
// classes that carry them: each id names a real member of its class (a property or a
// method), by that id and by that name; the events keep their published ids too.
#include "components/NumberLED.h"
#include "components/Ortagon.h"
#include "controls/Quellin.h"
#include "controls/TimeKeeper.h"
#include "controls/TimeLED.h"
#include "platform/core/Properties.h"
#include "platform/forms/ControlRegistry.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace tallyard;

namespace {

using IdList = std::vector<std::pair<const char *, int32_t>>;

struct Contract {
    const char *progId;
    IdList members;
    IdList events;
};

// The events of the clock controls, from their own surface and their cells.
const IdList clockEvents{{"Click", 1}, {"DblClick", 2},  {"KeyDown", 3},   {"KeyPress", 4},
                         {"KeyUp", 5}, {"MouseDown", 6}, {"MouseMove", 7}, {"MouseUp", 8}};

const Contract contracts[] = {
    {"Quellin.TimeKeeper",
     {{"Running", 0x68030000},
      {"CountDirection", 0x68030001},
      {"TimeSec", 0x68030002},
      {"TimeSecV2", 0x68030003},
      {"UpdateBetweenTime", 0x60030007}},
     clockEvents},
    {"Quellin.TimeLED",
     {{"SeparatorColor", 0x68030000},
      {"ShowSeparators", 0x68030001},
      {"GroupDividers", 0x68030002},
      {"GroupLengths", 0x68030003},
      {"DigitRatio", 0x68030004},
      {"LEDType", 0x68030005},
      {"Caption", 0x68030006},
      {"LitColor", 0x68030007},
      {"BackColor", 0x68030008},
      {"PaddingI", 0x68030009},
      {"PaddingV", 0x6803000A},
      {"PaddingH", 0x6803000B},
      {"Size", 0x6803000C},
      {"PaddingD", 0x6803000D}},
     clockEvents},
    // The cells' margins are reached by name only; they have no published id.
    {"Brenlite.NumberLED",
     {{"DecimalPlaces", 0x68030000},
      {"WholeNumber", 0x68030001},
      {"ZeroFill", 0x68030002},
      {"Max", 0x68030004},
      {"DigitRatio", 0x68030005},
      {"LedType", 0x68030006},
      {"Caption", 0x68030007},
      {"LitColor", 0x68030008},
      {"BackColor", 0x68030009},
      {"PaddingI", 0x6803000A},
      {"Size", 0x6803000D}},
     {}},
    {"prjOrtagon.Ortagon", {{"LedType", 0x68030000}}, {}},
};

TEST(DispIdContract, EveryPublishedIdReachesItsMember)
{
    quellin::registerControls();
    for (const Contract &contract : contracts) {
        SCOPED_TRACE(contract.progId);
        std::unique_ptr<Control> control(createControl(QString::fromLatin1(contract.progId), nullptr));
        const QMetaObject *meta = control->metaObject();
        for (const auto &[member, id] : contract.members) {
            SCOPED_TRACE(member);
            const QString name = QString::fromLatin1(member);
            EXPECT_EQ(memberName(control.get(), id), name);
            EXPECT_EQ(dispId(control.get(), name), id);
            const bool isProperty = meta->indexOfProperty(member) >= 0;
            const bool isMethod = meta->indexOfMethod(QByteArray(member) + "()") >= 0;
            EXPECT_TRUE(isProperty || isMethod);
        }
        for (const auto &[event, id] : contract.events)
            EXPECT_EQ(eventDispId(control.get(), QString::fromLatin1(event)), id) << event;
    }
}

} // namespace
