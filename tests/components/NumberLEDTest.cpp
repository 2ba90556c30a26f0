// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "components/NumberLED.h"

#include "platform/forms/ControlArray.h"
#include "platform/core/OleColor.h"
#include "platform/core/Properties.h"

#include <QApplication>
#include <QImage>
#include <QMetaProperty>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using namespace tallyard;

namespace {

constexpr int32_t CaptionId = dispid::NumberLED::Caption;
constexpr int32_t SizeId = dispid::NumberLED::Size;
constexpr int32_t LedTypeId = dispid::NumberLED::LedType;

// What the positions read as, leftmost first: a digit, "-" for a middle bar, " " for dark.
std::string reading(const std::vector<uint8_t> &shown)
{
    std::string text;
    for (const uint8_t mask : shown) {
        char c = '?';
        if (mask == 0)
            c = ' ';
        else if (mask == sevenseg::MinusMask)
            c = '-';
        for (int d = 0; d < 10; ++d)
            if (mask == sevenseg::DigitMasks[static_cast<size_t>(d)])
                c = static_cast<char>('0' + d);
        text += c;
    }
    return text;
}

struct ShowCase {
    qint16 caption;
    qint16 max;
    bool zeroFill;
    qint32 wholeNumber;
    const char *reads;
};

TEST(NumberLEDShows, ValuesAsTheAudienceReadsThem)
{
    const ShowCase cases[] = {
        // blank, plain, zero-filled
        {-1, 99, false, 1, "  "},
        {-1, 999, true, 1, "   "},
        {0, 99, false, 1, " 0"},
        {5, 99, true, 1, "05"},
        {7, 999, true, 1, "007"},
        {42, 99, false, 1, "42"},
        {9999, 9999, false, 1, "9999"},
        // a fractional group keeps every digit after the point
        {5, 99, false, 0, "05"},
        {7, 9, false, 0, "7"},
        {5, 999, false, 0, "005"},
        // above Max: the overload bars
        {100, 99, false, 1, "--"},
        {10, 9, true, 1, "-"},
        {1, 0, false, 1, "-"},
        {32767, 9999, false, 1, "----"},
        // negative values: a minus before the digits when both fit
        {-5, 99, false, 1, "-5"},
        {-5, 9999, false, 1, "  -5"},
        {-5, 9999, true, 1, "-005"},
        {-999, 9999, false, 1, "-999"},
        {-1000, 9999, false, 1, "----"},
        {-50, 99, false, 1, "--"},
        {-5, 9, false, 1, "-"},
        {-32768, 9999, true, 1, "----"},
        // a leading half digit shows only a 1
        {19, 19, false, 1, "19"},
        {10, 19, false, 1, "10"},
        {5, 19, false, 1, " 5"},
        {5, 19, true, 1, " 5"},
        {20, 19, false, 1, " -"},
        {-5, 19, false, 1, " -"},
        {150, 199, false, 1, "150"},
        {-5, 199, false, 1, " -5"},
        {7, 199, true, 1, " 07"},
    };
    for (const ShowCase &c : cases)
        EXPECT_EQ(reading(NumberLED::segmentsShown(c.caption, c.max, c.zeroFill, c.wholeNumber)), c.reads)
            << "Caption " << c.caption << ", Max " << c.max << ", ZeroFill " << c.zeroFill << ", WholeNumber "
            << c.wholeNumber;
}

TEST(NumberLEDShows, DigitPositionsComeFromMax)
{
    const std::pair<qint16, int> cases[] = {{0, 1}, {9, 1}, {10, 2}, {19, 2}, {99, 2}, {999, 3}, {9999, 4}, {32767, 5}};
    NumberLED cell;
    for (const auto &[max, positions] : cases) {
        cell.setMax(max);
        EXPECT_EQ(cell.digitCount(), positions) << "Max " << max;
        EXPECT_EQ(cell.segmentsShown().size(), static_cast<size_t>(positions)) << "Max " << max;
    }
    EXPECT_TRUE(NumberLED::hasHalfDigit(19));
    EXPECT_TRUE(NumberLED::hasHalfDigit(199));
    EXPECT_TRUE(NumberLED::hasHalfDigit(10));
    EXPECT_FALSE(NumberLED::hasHalfDigit(1));
    EXPECT_FALSE(NumberLED::hasHalfDigit(99));
    EXPECT_FALSE(NumberLED::hasHalfDigit(29));
}

TEST(NumberLEDSizing, CellSizeFollowsTheBoardDesign)
{
    // The clocks' cells: digits 59 pixels tall in cells 885 twips tall.
    EXPECT_DOUBLE_EQ(NumberLED::cellSize(59, 74, 0, 200, 0, 0, 99).height(), 885.0);
    EXPECT_NEAR(NumberLED::cellSize(59, 74, 0, 200, 0, 0, 99).width(), 2 * 885.0 * 4 / 7 + 200, 1e-9);
    // The gymnast number: four digits of size 90 with margins of 90 and 140 between digits.
    const QSizeF gymnast = NumberLED::cellSize(90, 95, 0, 140, 90, 90, 9999);
    EXPECT_NEAR(gymnast.width(), 3600.0, 1e-9);
    EXPECT_DOUBLE_EQ(gymnast.height(), 1530.0);
    EXPECT_NEAR(NumberLED::cellSize(90, 74, 0, 140, 90, 90, 9999).width(), 180 + 4 * 1350.0 * 4 / 7 + 3 * 140, 1e-9);
    // The style never changes the footprint.
    EXPECT_EQ(NumberLED::cellSize(45, 116, 0, 10, 20, 30, 999), NumberLED::cellSize(45, 116, 1, 10, 20, 30, 999));
    // The score's whole points (Max 19, designed 1110 twips wide): a narrow half digit
    // close to the full one after it, then the inner padding between full digits only.
    const double digit = 1350.0 * 4 / 7;
    const double half = sevenseg::halfDigitWidth(digit, 1350.0);
    EXPECT_NEAR(NumberLED::cellSize(90, 74, 0, 200, 0, 0, 19).width(), half + digit, 1e-9);
    EXPECT_NEAR(NumberLED::cellSize(90, 74, 0, 200, 0, 0, 19).width(), 1110.0, 15.0);
    EXPECT_NEAR(NumberLED::cellSize(90, 74, 0, 200, 10, 0, 199).width(), 20 + half + 2 * digit + 200, 1e-9);
    EXPECT_LT(half, digit / 2);
}

TEST(NumberLEDSizing, WidthAndHeightFollowEverySizingSetterAtOnce)
{
    NumberLED cell;
    cell.Move(300, 400, cell.Width(), cell.Height());
    const auto expectOwnSize = [&](const char *after) {
        const QSizeF size = NumberLED::cellSize(cell.Size(), cell.DigitRatio(), cell.LedType(), cell.PaddingI(),
                                                cell.PaddingH(), cell.PaddingV(), cell.Max());
        EXPECT_DOUBLE_EQ(cell.Width(), size.width()) << after;
        EXPECT_DOUBLE_EQ(cell.Height(), size.height()) << after;
        EXPECT_EQ(cell.Left(), 300.0) << after;
        EXPECT_EQ(cell.Top(), 400.0) << after;
    };
    expectOwnSize("construction");
    EXPECT_DOUBLE_EQ(cell.Height(), 675.0);
    cell.setSize(90);
    EXPECT_DOUBLE_EQ(cell.Height(), 1350.0);
    expectOwnSize("Size");
    cell.setDigitRatio(95);
    expectOwnSize("DigitRatio");
    cell.setMax(9999);
    expectOwnSize("Max");
    cell.setPaddingI(140);
    expectOwnSize("PaddingI");
    cell.setPaddingH(90);
    expectOwnSize("PaddingH");
    cell.setPaddingV(90);
    expectOwnSize("PaddingV");
    EXPECT_NEAR(cell.Width(), 3600.0, 1e-9);
    cell.setLedType(led::CircleLED);
    expectOwnSize("LedType");
    cell.setMax(19);
    expectOwnSize("Max with a half digit");
    // The pixel geometry follows the twips.
    EXPECT_EQ(cell.geometry(), Control::twipsToPixels(300, 400, cell.Width(), cell.Height()));
}

TEST(NumberLEDSizing, OutOfRangeValuesAreIgnoredAndOutsideSizesGiveWay)
{
    NumberLED cell;
    const double width = cell.Width();
    cell.setSize(0);
    cell.setSize(-5);
    cell.setPaddingH(-1);
    cell.setPaddingV(-1);
    cell.setPaddingI(-1);
    cell.setMax(-1);
    EXPECT_EQ(cell.Size(), 45);
    EXPECT_EQ(cell.PaddingH(), 0);
    EXPECT_EQ(cell.PaddingV(), 0);
    EXPECT_EQ(cell.PaddingI(), 0);
    EXPECT_EQ(cell.Max(), 99);
    EXPECT_DOUBLE_EQ(cell.Width(), width);
    cell.setWidth(100);
    cell.setHeight(5000);
    EXPECT_DOUBLE_EQ(cell.Width(), width);
    EXPECT_DOUBLE_EQ(cell.Height(), 675.0);
    // Unknown ratios and styles are kept; the ratio sizes as 7:4.
    cell.setDigitRatio(12);
    EXPECT_EQ(cell.DigitRatio(), 12);
    EXPECT_DOUBLE_EQ(cell.Width(), NumberLED::cellSize(45, 74, 0, 0, 0, 0, 99).width());
    cell.setLedType(7);
    EXPECT_EQ(cell.LedType(), 7);
}

// Late-bound access, as TimeLED and the board reach the cell.
TEST(NumberLEDAccess, ByNameAndByDispatchId)
{
    NumberLED cell;
    EXPECT_EQ(typeName(&cell), QStringLiteral("NumberLED"));
    invoke(&cell, CaptionId, DispatchKind::PropertyLet, 42);
    EXPECT_EQ(cell.Caption(), 42);
    EXPECT_EQ(invoke(&cell, CaptionId, DispatchKind::PropertyGet).toInt(), 42);
    // The scoreboard reads and writes Caption by name as text.
    setPropertyByName(&cell, u"caption", QStringLiteral("17"));
    EXPECT_EQ(cell.Caption(), 17);
    EXPECT_EQ(variantToString(getPropertyByName(&cell, u"CAPTION")), QStringLiteral("17"));
    setPropertyByName(&cell, u"Caption", QStringLiteral("-1"));
    EXPECT_EQ(cell.Caption(), -1);
    EXPECT_THROW(setPropertyByName(&cell, u"Caption", QStringLiteral("abc")), TypeMismatch);
    EXPECT_THROW(setPropertyByName(&cell, u"Caption", QStringLiteral("40000")), OverflowError);
    EXPECT_EQ(cell.Caption(), -1);
    // Size by its id resizes at once; the scaling pass writes paddings by name as doubles.
    invoke(&cell, SizeId, DispatchKind::PropertyLet, 90);
    EXPECT_DOUBLE_EQ(cell.Height(), 1350.0);
    setPropertyByName(&cell, u"paddingh", 44.6);
    setPropertyByName(&cell, u"PaddingV", 12.0);
    EXPECT_EQ(cell.PaddingH(), 45);
    EXPECT_EQ(cell.PaddingV(), 12);
    EXPECT_DOUBLE_EQ(cell.Height(), 1374.0);
    setPropertyByName(&cell, u"LedType", 1);
    EXPECT_EQ(invoke(&cell, LedTypeId, DispatchKind::PropertyGet).toInt(), led::CircleLED);
}

TEST(NumberLEDPersistence, DefaultsAreNotStoredAndValuesRoundTrip)
{
    NumberLED cell;
    cell.InitProperties();
    PropertyBag empty;
    cell.WriteProperties(empty);
    EXPECT_TRUE(empty.isEmpty()) << empty.toText().toStdString();

    cell.setMax(9999);
    cell.setSize(90);
    cell.setPaddingH(90);
    cell.setPaddingV(80);
    cell.setPaddingI(140);
    cell.setZeroFill(true);
    cell.setLitColor(0x00C000);
    cell.setCaption(77); // the value shown is not persisted
    PropertyBag bag;
    cell.WriteProperties(bag);
    QStringList keys = bag.keys();
    keys.sort();
    EXPECT_EQ(keys, QStringList({"plitcolor", "pmax", "ppaddingh", "ppaddingi", "ppaddingv", "psize", "pzerofill"}));

    NumberLED loaded;
    loaded.ReadProperties(PropertyBag::fromText(bag.toText()));
    EXPECT_EQ(loaded.Max(), 9999);
    EXPECT_EQ(loaded.Size(), 90);
    EXPECT_EQ(loaded.PaddingH(), 90);
    EXPECT_EQ(loaded.PaddingV(), 80);
    EXPECT_EQ(loaded.PaddingI(), 140);
    EXPECT_TRUE(loaded.ZeroFill());
    EXPECT_EQ(loaded.LitColor(), 0x00C000);
    EXPECT_DOUBLE_EQ(loaded.Width(), cell.Width());
    EXPECT_DOUBLE_EQ(loaded.Height(), cell.Height());

    // A new cell placed on a form starts from the defaults again.
    cell.InitProperties();
    EXPECT_EQ(cell.Max(), 99);
    EXPECT_EQ(cell.Size(), 45);
    EXPECT_EQ(cell.Caption(), 0);
    EXPECT_FALSE(cell.ZeroFill());
    EXPECT_EQ(cell.LitColor(), 0x0000FF);
    EXPECT_DOUBLE_EQ(cell.Height(), 675.0);
}

TEST(NumberLEDPersistence, AnUnreadableEntryIsDroppedAndTheRestLoads)
{
    NumberLED cell;
    cell.ReadProperties(PropertyBag::fromText(u"pmax = 999\npsize = \"big\"\nppaddingi = 70000\nplitcolor = 49152\n"));
    EXPECT_EQ(cell.Max(), 999);
    EXPECT_EQ(cell.Size(), 45);
    EXPECT_EQ(cell.PaddingI(), 0);
    EXPECT_EQ(cell.LitColor(), 49152);
}

// A shown cell, to count real paints.
class NumberLEDPainting : public ::testing::Test {
protected:
    void SetUp() override
    {
        cell = std::make_unique<NumberLED>();
        cell->setLitColor(0x00C000);
        cell->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(cell.get()));
        settle();
    }
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    int paintsAfter(const std::function<void()> &change)
    {
        settle();
        const int before = cell->paintCount();
        change();
        settle();
        return cell->paintCount() - before;
    }
    // Pixels in the lit colour (green) as rendered.
    int litPixels()
    {
        QImage image(cell->size(), QImage::Format_RGB32);
        cell->render(&image);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += qGreen(image.pixel(x, y)) > 150 ? 1 : 0;
        return count;
    }

    std::unique_ptr<NumberLED> cell;
};

TEST_F(NumberLEDPainting, OnlyARealChangeRepaints)
{
    struct Change {
        const char *property;
        QVariant other;
    };
    const Change changes[] = {
        {"Caption", 5},     {"LitColor", 0x00FFFF}, {"BackColor", 0x202020}, {"PaddingI", 30},    {"PaddingH", 30},
        {"PaddingV", 30},   {"Size", 50},           {"LedType", 1},          {"DigitRatio", 116}, {"Max", 999},
        {"ZeroFill", true}, {"WholeNumber", 0},
    };
    for (const Change &c : changes) {
        const QString name = QLatin1StringView(c.property);
        const QVariant current = getPropertyByName(cell.get(), name);
        EXPECT_EQ(paintsAfter([&] { setPropertyByName(cell.get(), name, current); }), 0) << c.property << " unchanged";
        EXPECT_GE(paintsAfter([&] { setPropertyByName(cell.get(), name, c.other); }), 1) << c.property << " changed";
    }
    EXPECT_EQ(paintsAfter([&] { cell->setDecimalPlaces(2); }), 0);
    EXPECT_EQ(paintsAfter([&] { cell->setSize(0); }), 0);
}

TEST_F(NumberLEDPainting, BlankShowsOnlyFaintSegmentsAndValuesLightUp)
{
    cell->setMax(9999);
    cell->setSize(60);
    cell->setCaption(-1);
    EXPECT_EQ(litPixels(), 0);
    // The unlit segments are still there, faintly.
    QImage image(cell->size(), QImage::Format_RGB32);
    cell->render(&image);
    int faint = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            faint += qGreen(image.pixel(x, y)) > 15 && qGreen(image.pixel(x, y)) < 40 ? 1 : 0;
    EXPECT_GT(faint, 100);

    cell->setCaption(1111);
    const int ones = litPixels();
    cell->setCaption(8888);
    const int eights = litPixels();
    EXPECT_GT(ones, 0);
    EXPECT_GT(eights, 2 * ones);
    cell->setLedType(led::CircleLED);
    EXPECT_GT(litPixels(), ones);
}

TEST_F(NumberLEDPainting, EveryRepaintShowsTheCurrentLook)
{
    cell->setCaption(88);
    const int eights = litPixels();
    cell->setCaption(11);
    cell->setCaption(88);
    EXPECT_EQ(litPixels(), eights);
    // A new colour, size or style is never painted with glyphs drawn for the old one.
    cell->setLitColor(0x0000FF);
    EXPECT_EQ(litPixels(), 0);
    cell->setLitColor(0x00C000);
    EXPECT_EQ(litPixels(), eights);
    cell->setSize(90);
    EXPECT_GT(litPixels(), 3 * eights);
    cell->setSize(45);
    EXPECT_EQ(litPixels(), eights);
    cell->setLedType(led::CircleLED);
    EXPECT_NE(litPixels(), eights);
    // A scaled painter (a zoomed preview, a print) gets the shapes at its own scale.
    cell->setLedType(led::Ortagon);
    QImage zoomed(cell->size() * 2, QImage::Format_RGB32);
    QPainter painter(&zoomed);
    painter.scale(2, 2);
    cell->render(&painter);
    painter.end();
    int count = 0;
    for (int y = 0; y < zoomed.height(); ++y)
        for (int x = 0; x < zoomed.width(); ++x)
            count += qGreen(zoomed.pixel(x, y)) > 150 ? 1 : 0;
    EXPECT_GT(count, 3 * eights);
    EXPECT_LT(count, 5 * eights);
}

TEST_F(NumberLEDPainting, OutOfRangeValuesPaintInBothStyles)
{
    for (const qint32 style : {qint32(led::Ortagon), qint32(led::CircleLED), 5}) {
        cell->setLedType(style);
        for (const qint16 max : {qint16(0), qint16(9), qint16(19), qint16(99), qint16(9999), qint16(32767)}) {
            cell->setMax(max);
            for (const qint16 value : {qint16(-32768), qint16(-1000), qint16(-5), qint16(-2), qint16(32767)}) {
                cell->setCaption(value);
                EXPECT_GT(litPixels(), 0) << "style " << style << " Max " << max << " Caption " << value;
            }
        }
    }
    // A tiny digit and a big one both paint.
    cell->setSize(1);
    EXPECT_NO_THROW(litPixels());
    cell->setSize(400);
    EXPECT_GT(litPixels(), 0);
}

TEST_F(NumberLEDPainting, AHugeDigitPaintsTheRegionAskedFor)
{
    // 20000 pixels tall: only the exposed part is painted, from the shapes.
    cell->setMax(9);
    cell->setSize(20000);
    cell->setCaption(8);
    QImage part(200, 200, QImage::Format_RGB32);
    part.fill(Qt::white);
    cell->render(&part, QPoint(), QRegion(5600, 1700, 200, 200));
    EXPECT_GT(qGreen(part.pixel(100, 100)), 150); // inside the top bar
    cell->setCaption(-1);
    cell->render(&part, QPoint(), QRegion(5600, 1700, 200, 200));
    EXPECT_EQ(qGreen(part.pixel(100, 100)), sevenseg::unlitColor(QColor(0, 0xC0, 0), Qt::black).green());
}

TEST(NumberLEDArray, NewElementsCopyCellZeroAndRaiseEventsWithTheirIndex)
{
    QWidget host;
    host.resize(800, 300);
    auto *first = new NumberLED(&host);
    ControlArray array(QStringLiteral("pledNumber"), first, [](QWidget *parent) { return new NumberLED(parent); });
    first->setLitColor(0x00FFFF);
    first->setBackColor(0x101010);
    first->setLedType(led::CircleLED);
    first->setDigitRatio(116);
    first->setPaddingH(30);
    first->setPaddingV(40);
    first->setPaddingI(50);
    first->setSize(59);
    first->setMax(999);
    first->setZeroFill(true);
    first->setWholeNumber(0);
    first->setDecimalPlaces(2);
    first->setCaption(12);

    auto *second = qobject_cast<NumberLED *>(array.Load(1));
    ASSERT_NE(second, nullptr);
    const QMetaObject &meta = NumberLED::staticMetaObject;
    for (int i = Control::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i) {
        const char *name = meta.property(i).name();
        EXPECT_EQ(meta.property(i).read(second), meta.property(i).read(first)) << name;
    }
    EXPECT_DOUBLE_EQ(second->Width(), first->Width());
    EXPECT_DOUBLE_EQ(second->Height(), first->Height());
    EXPECT_EQ(second->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(second->Index(), 1);

    second->setVisibleFlag(true);
    second->setLeft(3000);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

    QStringList raised;
    QObject::connect(&array, &ControlArray::KeyDown, [&](qint16 i, qint16 &code, qint16 &) {
        raised << QStringLiteral("KeyDown %1 %2").arg(i).arg(code);
    });
    QObject::connect(&array, &ControlArray::KeyPress,
                     [&](qint16 i, qint16 ascii) { raised << QStringLiteral("KeyPress %1 %2").arg(i).arg(ascii); });
    QObject::connect(&array, &ControlArray::KeyUp, [&](qint16 i, qint16 code, qint16 &) {
        raised << QStringLiteral("KeyUp %1 %2").arg(i).arg(code);
    });
    QObject::connect(&array, &ControlArray::MouseDown, [&](qint16 i, qint16 &b, qint16 &, float &, float &) {
        raised << QStringLiteral("MouseDown %1 %2").arg(i).arg(b);
    });
    QObject::connect(&array, &ControlArray::MouseMove, [&](qint16 i, qint16 &, qint16 &, float &x, float &) {
        raised << QStringLiteral("MouseMove %1 %2").arg(i).arg(x);
    });
    QObject::connect(&array, &ControlArray::MouseUp, [&](qint16 i, qint16 &b, qint16 &, float &, float &) {
        raised << QStringLiteral("MouseUp %1 %2").arg(i).arg(b);
    });
    QObject::connect(&array, &ControlArray::Click, [&](qint16 i) { raised << QStringLiteral("Click %1").arg(i); });
    QObject::connect(&array, &ControlArray::DblClick,
                     [&](qint16 i) { raised << QStringLiteral("DblClick %1").arg(i); });

    QTest::keyClick(second, Qt::Key_R);
    QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), second->mapToGlobal(QPointF(4, 4)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(second, &move);
    QTest::mouseDClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_GE(raised.size(), 8) << raised.join(u", ").toStdString();
    EXPECT_EQ(raised.mid(0, 7),
              QStringList({"KeyDown 1 82", "KeyPress 1 114", "KeyUp 1 82", "MouseDown 1 1", "MouseUp 1 1", "Click 1",
                           "MouseMove 1 60"}));
    EXPECT_TRUE(raised.contains(QStringLiteral("DblClick 1"))) << raised.join(u", ").toStdString();

    // Cell 0 raises its own events with index 0.
    raised.clear();
    QTest::keyClick(first, Qt::Key_5);
    EXPECT_EQ(raised.value(0), QStringLiteral("KeyDown 0 53"));
}

} // namespace
