// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/ControlRegistry.h"
#include "platform/core/OleColor.h"
#include "platform/core/Properties.h"
#include "platform/forms/Shape.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tallyard;

namespace {

constexpr int32_t Green = 0x00FF00; // 0x00BBGGRR
constexpr int32_t Red = 0x0000FF;
constexpr int32_t Blue = 0xFF0000;

// A shape on a grey container, as a form shows one; pictures are taken of the container so
// that what the shape leaves unpainted shows the container's colour.
class ShapeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(200, 120);
        host->setAutoFillBackground(true);
        QPalette palette = host->palette();
        palette.setColor(QPalette::Window, Qt::gray);
        host->setPalette(palette);
        shape = new Shape(host.get());
        shape->Move(150, 150, 1500, 900); // 10,10 100x60 pixels
    }

    QColor pixel(int x, int y) { return host->grab().toImage().pixelColor(x, y); }
    void showAndSettle()
    {
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        QApplication::processEvents();
    }

    std::unique_ptr<QWidget> host;
    Shape *shape = nullptr;
};

TEST_F(ShapeTest, ANewShapeIsABlackOutlinedEmptyRectangle)
{
    EXPECT_EQ(typeName(shape), QStringLiteral("Shape"));
    EXPECT_EQ(getPropertyByName(shape, u"Shape").toInt(), Shape::Rectangle);
    EXPECT_EQ(getPropertyByName(shape, u"FillStyle").toInt(), Shape::TransparentFill);
    EXPECT_EQ(getPropertyByName(shape, u"BorderStyle").toInt(), Shape::SolidBorder);
    EXPECT_EQ(getPropertyByName(shape, u"BorderWidth").toInt(), 1);
    EXPECT_EQ(getPropertyByName(shape, u"BackStyle").toInt(), Shape::TransparentBack);

    EXPECT_EQ(pixel(10, 40), QColor(Qt::black)); // a one-pixel border inside the box
    EXPECT_EQ(pixel(109, 40), QColor(Qt::black));
    EXPECT_EQ(pixel(60, 10), QColor(Qt::black));
    EXPECT_EQ(pixel(60, 69), QColor(Qt::black));
    EXPECT_EQ(pixel(60, 11), QColor(Qt::gray));
    EXPECT_EQ(pixel(60, 40), QColor(Qt::gray)); // the container shows through
    EXPECT_EQ(pixel(5, 5), QColor(Qt::gray));
}

TEST_F(ShapeTest, ASolidCircleIsCentredInItsBoxAndLeavesTheCornersAlone)
{
    setPropertyByName(shape, u"Shape", Shape::Circle);
    setPropertyByName(shape, u"FillStyle", Shape::SolidFill);
    setPropertyByName(shape, u"FillColor", Red);
    setPropertyByName(shape, u"BorderStyle", Shape::TransparentBorder);

    const QImage image = host->grab().toImage();
    // 100x60 box: the circle is 60 across, from x 30 to 90 of the box.
    EXPECT_EQ(image.pixelColor(60, 40), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(60, 12), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(33, 40), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20, 40), QColor(Qt::gray)); // left of the circle
    EXPECT_EQ(image.pixelColor(100, 40), QColor(Qt::gray));
    EXPECT_EQ(image.pixelColor(41, 14), QColor(Qt::gray)); // the square's corner
}

TEST_F(ShapeTest, AnOvalFillsItsWholeBox)
{
    setPropertyByName(shape, u"Shape", Shape::Oval);
    setPropertyByName(shape, u"FillStyle", Shape::SolidFill);
    setPropertyByName(shape, u"FillColor", Green);
    setPropertyByName(shape, u"BorderColor", Blue);
    setPropertyByName(shape, u"BorderWidth", 3);

    const QImage image = host->grab().toImage();
    EXPECT_EQ(image.pixelColor(60, 40), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(15, 40), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(11, 40), QColor(Qt::blue)); // a 3-pixel border inside the box
    EXPECT_EQ(image.pixelColor(8, 40), QColor(Qt::gray));
    EXPECT_EQ(image.pixelColor(12, 12), QColor(Qt::gray));
}

TEST_F(ShapeTest, AnOpaqueBackShowsUnderAHatchedFill)
{
    setPropertyByName(shape, u"BackStyle", Shape::OpaqueBack);
    setPropertyByName(shape, u"BackColor", Blue);
    setPropertyByName(shape, u"FillStyle", 2); // horizontal lines
    setPropertyByName(shape, u"FillColor", Red);

    const QImage image = host->grab().toImage();
    int red = 0, blue = 0;
    for (int y = 20; y < 60; ++y) {
        const QColor c = image.pixelColor(60, y);
        red += c == QColor(Qt::red);
        blue += c == QColor(Qt::blue);
    }
    EXPECT_GT(red, 0);
    EXPECT_GT(blue, red);
}

TEST_F(ShapeTest, ClicksGoThroughToTheContainerAndItNeverTakesTheFocus)
{
    EXPECT_EQ(host->childAt(60, 40), nullptr);
    EXPECT_EQ(shape->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(shape->canTakeFocus());
}

TEST_F(ShapeTest, ASetterThatChangesNothingDoesNotRepaint)
{
    setPropertyByName(shape, u"FillColor", Red);
    showAndSettle();
    const int before = shape->paintCount();
    ASSERT_GT(before, 0);

    setPropertyByName(shape, u"FillColor", Red);
    setPropertyByName(shape, u"Shape", Shape::Rectangle);
    setPropertyByName(shape, u"BorderWidth", 1);
    shape->Move(150, 150, 1500, 900);
    QApplication::processEvents();
    EXPECT_EQ(shape->paintCount(), before);

    setPropertyByName(shape, u"FillColor", Green);
    QApplication::processEvents();
    EXPECT_GT(shape->paintCount(), before);
}

TEST_F(ShapeTest, ValuesOutOfRangeAreRefusedAndChangeNothing)
{
    struct Case {
        const char16_t *name;
        int value;
    };
    for (const Case &c : {Case{u"Shape", 6}, Case{u"Shape", -1}, Case{u"FillStyle", 8}, Case{u"BorderStyle", 7},
                          Case{u"BorderWidth", 0}, Case{u"BackStyle", 2}}) {
        const QVariant before = getPropertyByName(shape, c.name);
        EXPECT_THROW(setPropertyByName(shape, c.name, c.value), InvalidArgument)
            << QStringView(c.name).toString().toStdString();
        EXPECT_EQ(getPropertyByName(shape, c.name), before);
    }
}

TEST_F(ShapeTest, ScalingByNameRoundsTheBorderWidthAndKeepsTwipGeometry)
{
    setPropertyByName(shape, u"BorderWidth", 2.5);
    EXPECT_EQ(shape->BorderWidth(), 2); // half to even
    setPropertyByName(shape, u"Width", 1223.5);
    EXPECT_EQ(getPropertyByName(shape, u"Width").toDouble(), 1223.5);
}

TEST_F(ShapeTest, ItIsCreatedByProgIdAndItsSettingsRoundTripThroughABag)
{
    registerControlClass<Shape>();
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Shape"), 3, 0);
    bag.WriteProperty(QStringLiteral("FillColor"), 0x0080FF, 0);
    bag.WriteProperty(QStringLiteral("FillStyle"), 0, 1);
    std::unique_ptr<Control> created(createControl(QStringLiteral("VB.Shape"), host.get(), &bag));
    auto *loaded = qobject_cast<Shape *>(created.get());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->shape(), Shape::Circle);
    EXPECT_EQ(loaded->FillColor(), 0x0080FF);

    PropertyBag saved;
    loaded->WriteProperties(saved);
    EXPECT_EQ(saved, bag);

    PropertyBag fresh;
    shape->WriteProperties(fresh);
    EXPECT_TRUE(fresh.isEmpty());
}

} // namespace
