// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The property bag a form's design and a control's persistence are kept in.
#include "platform/core/PropertyBag.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tallyard;

namespace {

TEST(PropertyBag, StoresOnlyValuesThatDifferFromTheirDefaults)
{
    PropertyBag bag;
    bag.WriteProperty("PSize", 45, 45);
    bag.WriteProperty("PCaption", 0.0, 0);
    bag.WriteProperty("PGroupLengths", QStringLiteral("2,2"), QStringLiteral("2,2"));
    EXPECT_TRUE(bag.isEmpty());
    bag.WriteProperty("PSize", 59, 45);
    EXPECT_EQ(bag.ReadProperty("psize", 45).toInt(), 59);
    bag.WriteProperty("PSize", 45, 45); // back to the default: the entry goes
    EXPECT_FALSE(bag.contains("PSize"));
    EXPECT_EQ(bag.ReadProperty("PSize", 45).toInt(), 45);
}

TEST(PropertyBag, SurvivesARoundTripThroughText)
{
    PropertyBag bag;
    bag.WriteProperty("PSize", 59, 45);
    bag.WriteProperty("PCaption", 1800.5, 0);
    bag.WriteProperty("PGroupLengths", QStringLiteral("1,\"2\""), QStringLiteral("2,2"));
    bag.WriteProperty("PShowSeparators", false, true);
    const PropertyBag back = PropertyBag::fromText(bag.toText());
    EXPECT_EQ(back.ReadProperty("PSize").toInt(), 59);
    EXPECT_EQ(back.ReadProperty("PCaption").toDouble(), 1800.5);
    EXPECT_EQ(back.ReadProperty("PGroupLengths").toString(), QStringLiteral("1,\"2\""));
    EXPECT_FALSE(back.ReadProperty("PShowSeparators").toBool());
    EXPECT_EQ(back.keys(), bag.keys());
    EXPECT_TRUE(PropertyBag::fromText(u"garbage\n= 3\nX = \n").isEmpty());
}

// Numbers keep the plain 15-digit text where it reads back exactly, and take all the digits
// they need where it would not: a saved bag loads with the values it had.
TEST(PropertyBag, KeepsEveryDigitANumberNeeds)
{
    PropertyBag bag;
    bag.WriteProperty("Third", 1.0 / 3.0);
    bag.WriteProperty("Sum", 0.1 + 0.2);
    bag.WriteProperty("Large", 888888888888888888.0);
    bag.WriteProperty("Largest", std::numeric_limits<double>::max());
    bag.WriteProperty("Plain", 1223.5);
    const QString text = bag.toText();
    EXPECT_TRUE(text.contains(u"Plain = 1223.5\n"));
    const PropertyBag back = PropertyBag::fromText(text);
    EXPECT_EQ(back, bag);
    EXPECT_EQ(back.ReadProperty("Third").toDouble(), 1.0 / 3.0);
    EXPECT_EQ(back.ReadProperty("Sum").toDouble(), 0.1 + 0.2);
    EXPECT_EQ(back.ReadProperty("Large").toDouble(), 888888888888888888.0);
    EXPECT_EQ(back.ReadProperty("Largest").toDouble(), std::numeric_limits<double>::max());
    EXPECT_EQ(PropertyBag::fromText(u"PCaption = 0.1\n").toText(), QStringLiteral("PCaption = 0.1\n"));
}

} // namespace
