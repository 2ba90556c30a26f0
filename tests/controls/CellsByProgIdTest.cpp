// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The LED cells are reached by their ProgIDs through the library's registry, as the
// program's forms create every library control.
#include "components/NumberLED.h"
#include "components/Ortagon.h"
#include "controls/Quellin.h"
#include "platform/forms/ControlRegistry.h"
#include "platform/core/Properties.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tallyard;

namespace {

TEST(CellsByProgId, ANumberCellLoadsItsDesignBag)
{
    quellin::registerControls();
    ASSERT_TRUE(isRegistered(QStringLiteral("Brenlite.NumberLED")));
    const PropertyBag bag = PropertyBag::fromText(
        u"pmax = 9999\npsize = 90\nppaddingh = 90\nppaddingv = 90\nppaddingi = 140\nplitcolor = 49152\n");
    std::unique_ptr<Control> cell(createControl(QStringLiteral("brenlite.numberled"), nullptr, &bag));
    ASSERT_NE(qobject_cast<NumberLED *>(cell.get()), nullptr);
    EXPECT_EQ(typeName(cell.get()), QStringLiteral("NumberLED"));
    EXPECT_EQ(getPropertyByName(cell.get(), u"Max").toInt(), 9999);
    EXPECT_EQ(getPropertyByName(cell.get(), u"LitColor").toInt(), 0x00C000);
    EXPECT_DOUBLE_EQ(cell->Height(), 1530.0);
    EXPECT_EQ(cell->focusPolicy(), Qt::StrongFocus);
}

TEST(CellsByProgId, ACharacterCellPlacedNewStartsFromItsDefaults)
{
    quellin::registerControls();
    std::unique_ptr<Control> cell(createControl(QStringLiteral("prjOrtagon.Ortagon"), nullptr));
    ASSERT_NE(qobject_cast<Ortagon *>(cell.get()), nullptr);
    EXPECT_EQ(typeName(cell.get()), QStringLiteral("Ortagon"));
    EXPECT_EQ(getPropertyByName(cell.get(), u"Caption").toString(), QStringLiteral("8"));
    EXPECT_EQ(getPropertyByName(cell.get(), u"Size").toInt(), 65);
    EXPECT_DOUBLE_EQ(cell->Height(), 975.0);
}

} // namespace
