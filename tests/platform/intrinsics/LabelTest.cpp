// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/Label.h"
#include "tests/support/TestSupport.h"

#include <QFontInfo>

#include <algorithm>
#include <tuple>
#include <utility>

using namespace tallyard;
using namespace tallyard::test;

namespace {

class Labels : public Intrinsics { };

// The first and last columns of an image whose pixels differ from its top-left corner.
std::pair<int, int> inkColumns(const QImage &image)
{
    const QRgb background = image.pixel(0, 0);
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST_F(Labels, FontSizesReadBackAsSetAndDrawAtFourThirdsOfAPointInPixels)
{
    auto *label = add<Label>("VB.Label", nullptr, 0, 0, 3000, 800, "FontName = \"Arial\"");
    const struct {
        double points;
        int pixels;
    } sizes[] = {{32.25, 43}, {38.25, 51}, {12, 16}, {8.25, 11}, {21.75, 29}, {0.2, 1}};
    for (const auto &size : sizes) {
        setPropertyByName(label, u"FontSize", size.points);
        EXPECT_EQ(getPropertyByName(label, u"fontsize").toDouble(), size.points);
        EXPECT_EQ(label->font().pixelSize(), size.pixels) << size.points;
    }
    EXPECT_THROW(label->setFontSize(0), InvalidArgument);
    EXPECT_THROW(label->setFontSize(-3), InvalidArgument);
    EXPECT_EQ(label->FontSize(), 0.2);
}

TEST_F(Labels, WindowsFontNamesFindAMetricCompatibleFamily)
{
    auto *label = add<Label>("VB.Label", nullptr, 0, 0, 3000, 800, "FontName = \"Arial\"\nFontSize = 32.25");
    auto *title = add<Label>("VB.Label", nullptr, 0, 0, 3000, 800, "FontName = \"Times New Roman\"");
    EXPECT_EQ(label->FontName(), QStringLiteral("Arial")); // reads back the designed name
    EXPECT_TRUE(QStringList({"Arial", "Liberation Sans"}).contains(QFontInfo(label->font()).family()))
        << QFontInfo(label->font()).family().toStdString();
    EXPECT_TRUE(QStringList({"Times New Roman", "Liberation Serif"}).contains(QFontInfo(title->font()).family()))
        << QFontInfo(title->font()).family().toStdString();
}

TEST_F(Labels, ASetterThatChangesNothingDoesNotRepaint)
{
    auto *label = add<Label>("VB.Label", nullptr, 0, 0, 1500, 400, "Caption = \"Fall\"\nFontSize = 12");
    showActive();
    PaintCounter paints(label);
    QTest::qWait(30);
    paints.count = 0;
    label->setCaption(QStringLiteral("Fall"));
    setPropertyByName(label, u"FontSize", 12);
    setPropertyByName(label, u"ForeColor", getPropertyByName(label, u"ForeColor"));
    QTest::qWait(30);
    EXPECT_EQ(paints.count, 0);
    label->setCaption(QStringLiteral("Routine"));
    QTest::qWait(30);
    EXPECT_GE(paints.count, 1);
}

TEST_F(Labels, LabelTextIsAlignedWhereAsked)
{
    auto *label = add<Label>("VB.Label", nullptr, 0, 0, 3000, 735,
                             "Caption = \"Routine\"\nFontName = \"Arial\"\nFontSize = 20\nBackColor = 0\n"
                             "ForeColor = 16777215\nAlignment = 2");
    auto [first, last] = inkColumns(label->grab().toImage());
    ASSERT_GE(last, first);
    EXPECT_NEAR(first, label->width() - 1 - last, 2) << "centred";
    label->setAlignment(Label::RightJustify);
    std::tie(first, last) = inkColumns(label->grab().toImage());
    EXPECT_GE(last, label->width() - 4) << "right-aligned";
    label->setAlignment(Label::LeftJustify);
    std::tie(first, last) = inkColumns(label->grab().toImage());
    EXPECT_LE(first, 3) << "left-aligned";
}

TEST_F(Labels, AnAutoSizedLabelTakesTheSizeOfItsText)
{
    auto *label = add<Label>("VB.Label", nullptr, 120, 240, 300, 300, "FontSize = 12\nAutoSize = True");
    label->setCaption(QStringLiteral("Click to continue."));
    const double narrow = label->Width();
    EXPECT_GT(narrow, 300);
    EXPECT_EQ(label->Left(), 120);
    label->setFontSize(24);
    EXPECT_GT(label->Width(), narrow * 1.8);
}

} // namespace
