// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Late binding, as a host reaches a control: properties by name whatever the case, with the
// old runtime's conversions; members by their dispatch ids; type names; creation by ProgID
// with the control's persistence.
#include "tests/platform/forms/Probe.h"

#include "platform/core/Properties.h"
#include "platform/forms/ControlRegistry.h"

#include <gtest/gtest.h>

using namespace tallyard;
using tallyard::test::Probe;

namespace {

TEST(PropertiesByName, AreFoundWhateverTheCase)
{
    Probe probe;
    setPropertyByName(&probe, u"size", 59);
    EXPECT_EQ(probe.Size(), 59);
    EXPECT_EQ(getPropertyByName(&probe, u"SIZE").toInt(), 59);
    setPropertyByName(&probe, u"Visible", false);
    EXPECT_FALSE(probe.Visible());
    EXPECT_THROW(getPropertyByName(&probe, u"NoSuchThing"), MemberNotFound);
    EXPECT_THROW(setPropertyByName(&probe, u"NoSuchThing", 1), MemberNotFound);
    EXPECT_TRUE(hasProperty(&probe, u"caption"));
}

TEST(PropertiesByName, ConvertValuesToThePropertyType)
{
    Probe probe;
    setPropertyByName(&probe, u"Size", 58.5); // half to even
    EXPECT_EQ(probe.Size(), 58);
    setPropertyByName(&probe, u"Size", QStringLiteral("120"));
    EXPECT_EQ(probe.Size(), 120);
    EXPECT_THROW(setPropertyByName(&probe, u"Size", 40000), OverflowError);
    EXPECT_EQ(probe.Size(), 120);
    EXPECT_THROW(setPropertyByName(&probe, u"Size", QStringLiteral("twelve")), TypeMismatch);
    setPropertyByName(&probe, u"Text", 1.5);
    EXPECT_EQ(probe.Text(), QStringLiteral("1.5"));
    setPropertyByName(&probe, u"Flag", -1);
    EXPECT_TRUE(probe.Flag());
    setPropertyByName(&probe, u"Caption", QStringLiteral("65.7"));
    EXPECT_FLOAT_EQ(probe.Caption(), 65.7f);
    EXPECT_EQ(variantToString(getPropertyByName(&probe, u"Caption")), QStringLiteral("65.7"));
}

TEST(PropertiesByName, ASetterFailureReachesTheCaller)
{
    Probe probe;
    EXPECT_THROW(setPropertyByName(&probe, u"Size", 13), InvalidArgument);
}

TEST(Dispatch, CallsMembersByTheirIds)
{
    Probe probe;
    EXPECT_EQ(dispId(&probe, u"size"), 0x6803000C);
    invoke(&probe, 0x6803000C, DispatchKind::PropertyLet, 77);
    EXPECT_EQ(invoke(&probe, 0x6803000C, DispatchKind::PropertyGet).toInt(), 77);
    EXPECT_FALSE(invoke(&probe, 0x60030001, DispatchKind::Method).isValid()); // Empty
    EXPECT_EQ(probe.Size(), 45);
    EXPECT_THROW(invoke(&probe, 0x12345, DispatchKind::PropertyGet), MemberNotFound);
    EXPECT_EQ(eventDispId(&probe, u"KeyDown"), 3);
    EXPECT_EQ(eventDispId(&probe, u"mouseup"), 8);
}

TEST(Dispatch, TypeNamesComeFromTheClass)
{
    Probe probe;
    EXPECT_EQ(typeName(&probe), QStringLiteral("Probe"));
    QObject plain;
    EXPECT_EQ(typeName(&plain), QStringLiteral("QObject"));
}

TEST(Registry, CreatesControlsAndRunsTheirPersistence)
{
    registerControl("Test.Probe", [](QWidget *parent) { return new Probe(parent); });
    QWidget host;
    auto *fresh = qobject_cast<Probe *>(createControl("test.PROBE", &host));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->Size(), 45);
    EXPECT_EQ(fresh->parent(), &host);

    PropertyBag bag;
    bag.WriteProperty("PSize", 90, 45);
    auto *loaded = qobject_cast<Probe *>(createControl("Test.Probe", &host, &bag));
    EXPECT_EQ(loaded->Size(), 90);
    PropertyBag saved;
    loaded->WriteProperties(saved);
    EXPECT_EQ(saved, bag);

    EXPECT_THROW(createControl("Nobody.Registered", &host), InvalidArgument);
}

} // namespace
