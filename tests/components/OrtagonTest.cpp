// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "components/Ortagon.h"

#include "platform/core/Properties.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace tallyard;

namespace {

constexpr int32_t LedTypeId = dispid::Ortagon::LedType;

TEST(Ortagon, ANewCellShowsAnEightSixtyFivePixelsTall)
{
    Ortagon cell;
    cell.InitProperties();
    EXPECT_EQ(typeName(&cell), QStringLiteral("Ortagon"));
    EXPECT_EQ(cell.Size(), 65);
    EXPECT_EQ(cell.Caption(), QStringLiteral("8"));
    EXPECT_EQ(cell.LedType(), 0);
    EXPECT_EQ(cell.segmentsShown(), sevenseg::digitMask(8));
    EXPECT_DOUBLE_EQ(cell.Height(), 975.0);
    EXPECT_NEAR(cell.Width(), 975.0 * 4 / 7, 1e-9);
}

TEST(Ortagon, TheOptionsDialogReachesItByDispatchIdAndByName)
{
    Ortagon cell;
    invoke(&cell, LedTypeId, DispatchKind::PropertyLet, 1);
    EXPECT_EQ(cell.LedType(), 1);
    setPropertyByName(&cell, u"ledtype", 0);
    EXPECT_EQ(invoke(&cell, LedTypeId, DispatchKind::PropertyGet).toInt(), 0);
    // The scaling pass writes Size by name as a double; the cell resizes at once.
    setPropertyByName(&cell, u"Size", 130.4);
    EXPECT_EQ(cell.Size(), 130);
    EXPECT_DOUBLE_EQ(cell.Height(), 1950.0);
    EXPECT_DOUBLE_EQ(getPropertyByName(&cell, u"height").toDouble(), 1950.0);
    setPropertyByName(&cell, u"Size", 0);
    EXPECT_EQ(cell.Size(), 130);
    setPropertyByName(&cell, u"DigitRatio", 53);
    EXPECT_NEAR(cell.Width(), 1950.0 * 3 / 5, 1e-9);
    cell.setWidth(10);
    EXPECT_NEAR(cell.Width(), 1950.0 * 3 / 5, 1e-9);
}

TEST(Ortagon, CaptionIsOneCharacter)
{
    Ortagon cell;
    setPropertyByName(&cell, u"Caption", 7);
    EXPECT_EQ(cell.Caption(), QStringLiteral("7"));
    EXPECT_EQ(cell.segmentsShown(), sevenseg::digitMask(7));
    cell.setCaption(QStringLiteral("42"));
    EXPECT_EQ(cell.Caption(), QStringLiteral("4"));
    cell.setCaption(QStringLiteral("-"));
    EXPECT_EQ(cell.segmentsShown(), sevenseg::MinusMask);
    cell.setCaption(QStringLiteral("?"));
    EXPECT_EQ(cell.segmentsShown(), 0);
    cell.setCaption(QString());
    EXPECT_EQ(cell.Caption(), QString());
    EXPECT_EQ(cell.segmentsShown(), 0);
}

TEST(Ortagon, PersistsSizeAndCaptionOnly)
{
    Ortagon cell;
    cell.InitProperties();
    PropertyBag empty;
    cell.WriteProperties(empty);
    EXPECT_TRUE(empty.isEmpty()) << empty.toText().toStdString();

    cell.setSize(40);
    cell.setCaption(QStringLiteral("3"));
    cell.setLedType(1);
    PropertyBag bag;
    cell.WriteProperties(bag);
    QStringList keys = bag.keys();
    keys.sort();
    EXPECT_EQ(keys, QStringList({"pcaption", "psize"}));

    Ortagon loaded;
    loaded.ReadProperties(PropertyBag::fromText(bag.toText()));
    EXPECT_EQ(loaded.Size(), 40);
    EXPECT_EQ(loaded.Caption(), QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(loaded.Height(), 600.0);

    // The Options form stores its preview's caption as the number 8.
    Ortagon preview;
    preview.setCaption(QStringLiteral("1"));
    preview.ReadProperties(PropertyBag::fromText(u"psize = 65\npcaption = 8\n"));
    EXPECT_EQ(preview.Caption(), QStringLiteral("8"));
    preview.ReadProperties(PropertyBag::fromText(u"psize = \"tall\"\n"));
    EXPECT_EQ(preview.Size(), 65);
}

TEST(Ortagon, OnlyARealChangeRepaints)
{
    Ortagon cell;
    cell.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cell));
    const auto paintsAfter = [&](const std::function<void()> &change) {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        const int before = cell.paintCount();
        change();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        return cell.paintCount() - before;
    };
    EXPECT_EQ(paintsAfter([&] { cell.setLedType(0); }), 0);
    EXPECT_EQ(paintsAfter([&] { cell.setCaption(QStringLiteral("8")); }), 0);
    EXPECT_EQ(paintsAfter([&] { cell.setLitColor(cell.LitColor()); }), 0);
    EXPECT_GE(paintsAfter([&] { cell.setLedType(1); }), 1);
    EXPECT_GE(paintsAfter([&] { cell.setCaption(QStringLiteral("5")); }), 1);
    EXPECT_GE(paintsAfter([&] { cell.setBackColor(0x303030); }), 1);
}

} // namespace
