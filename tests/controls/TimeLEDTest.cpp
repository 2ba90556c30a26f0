// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "controls/Quellin.h"
#include "controls/TimeLED.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/ControlRegistry.h"
#include "platform/core/Properties.h"
#include "platform/forms/Shape.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tallyard;
using quellin::TimeLED;

namespace {

constexpr int32_t CaptionId = quellin::dispid::TimeLED::Caption;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Red = 0x0000FF;

// What the audience reads: each group as its cell shows it (blank, or padded to its digit
// positions when zero-filled), and between groups ":" for a lit colon, "." for a lone
// lower dot, " " for dots drawn in the background.
QString shown(const TimeLED &led)
{
    QString text;
    for (int i = 0; i < led.cellCount(); ++i) {
        if (i > 0) {
            const bool top = led.topDot(i - 1)->FillColor() == led.SeparatorColor();
            const bool bottom = led.bottomDot(i - 1)->FillColor() == led.SeparatorColor();
            text += top && bottom ? u':' : bottom ? u'.' : u' ';
        }
        const NumberLED *cell = led.cell(i);
        if (cell->Caption() < 0)
            continue;
        QString digits = QString::number(cell->Caption());
        if (cell->ZeroFill())
            digits = digits.rightJustified(cell->digitCount(), u'0');
        text += digits;
    }
    return text;
}

// A display created by its ProgID and set through its properties, as the board does.
class TimeLEDTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        quellin::registerControls();
        control.reset(createControl(QStringLiteral("Quellin.TimeLED"), nullptr));
        led = qobject_cast<TimeLED *>(control.get());
        ASSERT_NE(led, nullptr);
    }

    void groups(const char *lengths, const char *dividers)
    {
        led->setGroupLengths(QString::fromLatin1(lengths));
        led->setGroupDividers(QString::fromLatin1(dividers));
    }
    QString show(float seconds)
    {
        led->setCaption(seconds);
        return shown(*led);
    }

    std::unique_ptr<Control> control;
    TimeLED *led = nullptr;
};

// ---------------------------------------------------------------------------------------
// Splitting the caption into groups

struct Shown {
    float caption;
    const char *text;
};

TEST_F(TimeLEDTest, BuiltByItsConstructorAloneItIsTheDisplayAHostGetsByProgId)
{
    const TimeLED bare;
    EXPECT_EQ(bare.cellCount(), led->cellCount());
    EXPECT_EQ(shown(bare), shown(*led));
    EXPECT_EQ(bare.LitColor(), led->LitColor());
    EXPECT_EQ(bare.Width(), led->Width());
    EXPECT_EQ(bare.Height(), led->Height());
}

TEST_F(TimeLEDTest, MinutesAndSecondsBlankALeadingZeroGroupAndPadAfterAShownOne)
{
    for (const Shown &c : {Shown{0, " 0"}, Shown{5.7f, " 5"}, Shown{59.9f, " 59"}, Shown{65, "1:05"},
                           Shown{1800, "30:00"}, Shown{600, "10:00"}, Shown{3599, "59:59"}}) {
        EXPECT_EQ(show(c.caption), QString::fromLatin1(c.text)) << c.caption;
    }
    EXPECT_EQ(led->Caption(), 3599.0f);
    EXPECT_EQ(led->cell(1)->WholeNumber(), 1);
}

TEST_F(TimeLEDTest, ATenthsGroupStandsBehindALoneLowerDot)
{
    groups("2,2,1", "60,1,0.1");
    for (const Shown &c : {Shown{65.7f, "1:05.7"}, Shown{0.3f, " 0.3"}, Shown{9.95f, " 9.9"}, Shown{0, " 0.0"}}) {
        EXPECT_EQ(show(c.caption), QString::fromLatin1(c.text)) << c.caption;
    }
    const NumberLED *tenths = led->cell(2);
    EXPECT_EQ(tenths->WholeNumber(), 0);
    EXPECT_FALSE(tenths->ZeroFill());
    EXPECT_EQ(tenths->DecimalPlaces(), 0); // 0.1 in single precision lies just above a tenth
    EXPECT_EQ(led->Dividers(), (QList<float>{60.0f, 1.0f, 0.1f}));
}

TEST_F(TimeLEDTest, AHundredthsDividerGivesTwoDecimalPlaces)
{
    groups("2,2", "1,0.01");
    EXPECT_EQ(show(3.25f), QStringLiteral("3.25"));
    EXPECT_EQ(led->cell(1)->DecimalPlaces(), 2);
}

TEST_F(TimeLEDTest, CellsBeyondTheDividersAndCellsDividedByZeroAreLeftAlone)
{
    groups("2,2,2", "60,1");
    led->cell(2)->setCaption(42);
    led->topDot(1)->setFillColor(Red);
    EXPECT_EQ(show(65), QStringLiteral("1:05 42"));
    EXPECT_EQ(led->cell(2)->Caption(), 42);
    EXPECT_EQ(led->topDot(1)->FillColor(), Red);

    groups("2,2", "60,0");
    led->cell(1)->setCaption(7);
    led->setCaption(125);
    EXPECT_EQ(led->cell(0)->Caption(), 2);
    EXPECT_EQ(led->cell(1)->Caption(), 7);
}

TEST_F(TimeLEDTest, DividersTakeEffectAtTheNextCaption)
{
    led->setCaption(65);
    led->setGroupDividers(QStringLiteral("3600,60"));
    EXPECT_EQ(shown(*led), QStringLiteral("1:05"));
    led->setShowSeparators(true); // its current value: no redraw
    EXPECT_EQ(shown(*led), QStringLiteral("1:05"));
    led->setSeparatorColor(White); // always redraws
    EXPECT_EQ(shown(*led), QStringLiteral(" 1"));
    EXPECT_EQ(show(7200), QStringLiteral("2:00"));
}

TEST_F(TimeLEDTest, NumbersInTheDividersAreReadLeniently)
{
    led->setGroupDividers(QStringLiteral(" 6 0x, 1 , abc"));
    EXPECT_EQ(led->Dividers(), (QList<float>{60.0f, 1.0f, 0.0f}));
    EXPECT_EQ(led->GroupDividers(), QStringLiteral(" 6 0x, 1 , abc"));
}

// ---------------------------------------------------------------------------------------
// Separators

TEST_F(TimeLEDTest, HiddenSeparatorsAreDrawnInTheBackgroundWhateverTheGroupsShow)
{
    led->setCaption(65);
    led->setShowSeparators(false);
    EXPECT_EQ(shown(*led), QStringLiteral("1 05"));
    EXPECT_EQ(led->topDot(0)->FillColor(), led->BackColor());
    EXPECT_EQ(led->bottomDot(0)->FillColor(), led->BackColor());
    led->setShowSeparators(true);
    EXPECT_EQ(shown(*led), QStringLiteral("1:05"));
}

TEST_F(TimeLEDTest, TheSeparatorColourLightsTheDotsAtOnce)
{
    led->setCaption(65);
    led->setSeparatorColor(Red);
    EXPECT_EQ(led->topDot(0)->FillColor(), Red);
    EXPECT_EQ(led->bottomDot(0)->FillColor(), Red);
}

TEST_F(TimeLEDTest, ANewBackgroundReachesUnlitDotsOnlyWithTheNextCaption)
{
    led->setCaption(5);
    led->setBackColor(0x202020);
    EXPECT_EQ(led->cell(0)->BackColor(), 0x202020);
    EXPECT_EQ(led->cell(1)->BackColor(), 0x202020);
    EXPECT_EQ(led->topDot(0)->FillColor(), 0);
    led->setCaption(5);
    EXPECT_EQ(led->topDot(0)->FillColor(), 0x202020);
    EXPECT_EQ(led->bottomDot(0)->FillColor(), 0x202020);
}

// ---------------------------------------------------------------------------------------
// Creating and removing groups

TEST_F(TimeLEDTest, EachPositiveLengthMakesOneGroup)
{
    led->setGroupLengths(QStringLiteral("2,0,2"));
    EXPECT_EQ(led->cellCount(), 2);
    EXPECT_EQ(led->shpTop()->Count(), 1);

    led->setGroupLengths(QStringLiteral("1,2,3,4"));
    ASSERT_EQ(led->cellCount(), 4);
    EXPECT_EQ(led->shpTop()->Count(), 3);
    EXPECT_EQ(led->shpBottom()->Count(), 3);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(led->cell(i)->Max(), QList<int>({9, 99, 999, 9999})[i]);
        EXPECT_EQ(led->cell(i)->ZeroFill(), i > 0);
        EXPECT_TRUE(led->cell(i)->Visible());
    }
    for (int j = 0; j < 3; ++j) {
        EXPECT_TRUE(led->topDot(j)->Visible());
        EXPECT_EQ(led->topDot(j)->shape(), Shape::Circle);
        EXPECT_EQ(led->bottomDot(j)->FillStyle(), Shape::SolidFill);
    }
}

TEST_F(TimeLEDTest, FewerGroupsRemoveTheLastCellsAndTheirSeparators)
{
    led->setGroupLengths(QStringLiteral("2,2,2"));
    QPointer<Control> third = led->cell(2);
    QPointer<Control> secondDot = led->topDot(1);
    led->setGroupLengths(QStringLiteral("2,2"));
    EXPECT_EQ(led->cellCount(), 2);
    EXPECT_EQ(led->shpTop()->Count(), 1);
    EXPECT_EQ(led->shpBottom()->Count(), 1);
    EXPECT_THROW(led->cell(2), SubscriptOutOfRange);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(third.isNull());
    EXPECT_TRUE(secondDot.isNull());
    EXPECT_EQ(show(65), QStringLiteral("1:05"));
}

TEST_F(TimeLEDTest, NoUsableLengthKeepsCellZeroAsItWas)
{
    led->setGroupLengths(QStringLiteral("3"));
    EXPECT_EQ(led->cellCount(), 1);
    for (const char *text : {"", "abc", "0,-2"}) {
        led->setGroupLengths(QString::fromLatin1(text));
        EXPECT_EQ(led->cellCount(), 1) << text;
        EXPECT_EQ(led->cell(0)->Max(), 999) << text;
        EXPECT_EQ(led->shpTop()->Count(), 1) << text; // pair 0 always exists
    }
}

TEST_F(TimeLEDTest, NewGroupsStartAsCopiesOfTheFirstAndKeepTheirValuesUntilTheNextCaption)
{
    led->setLitColor(0x00C000);
    led->setSize(59);
    led->setPaddingI(200);
    led->setDigitRatio(quellin::Size_H9_W5);
    led->setCaption(65);
    led->setGroupLengths(QStringLiteral("2,2,2"));
    const NumberLED *added = led->cell(2);
    EXPECT_EQ(added->LitColor(), 0x00C000);
    EXPECT_EQ(added->Size(), 59);
    EXPECT_EQ(added->PaddingI(), 200);
    EXPECT_EQ(added->DigitRatio(), quellin::Size_H9_W5);
    EXPECT_EQ(led->cell(0)->Caption(), 1);
    EXPECT_EQ(led->cell(1)->Caption(), 5);
    EXPECT_EQ(led->bottomDot(1)->FillColor(), led->BackColor());
}

TEST_F(TimeLEDTest, AnUnusedSeparatorBehindASingleGroupStaysHiddenUnderIt)
{
    led->setCaption(65); // a lit colon
    led->setGroupLengths(QStringLiteral("4"));
    led->setGroupDividers(QStringLiteral("1"));
    led->setCaption(1234);
    const Shape *dot = led->topDot(0);
    ASSERT_EQ(dot->FillColor(), White); // never recoloured
    const QRect dotArea = dot->geometry();
    ASSERT_TRUE(led->cell(0)->geometry().contains(dotArea));
    const QImage image = led->grab().toImage();
    EXPECT_NE(image.pixelColor(dotArea.center()), QColor(Qt::white));
}

// ---------------------------------------------------------------------------------------
// Failures: the error reaches the caller, work done stays done

TEST_F(TimeLEDTest, AGroupOfFiveDigitsOverflowsAfterTheGroupsBeforeIt)
{
    EXPECT_THROW(led->setGroupLengths(QStringLiteral("3,5")), OverflowError);
    EXPECT_EQ(led->GroupLengths(), QStringLiteral("3,5"));
    EXPECT_EQ(led->cell(0)->Max(), 999);
    EXPECT_EQ(led->cell(1)->Max(), 99);
    EXPECT_EQ(led->cellCount(), 2);
}

TEST_F(TimeLEDTest, AGroupValueBeyondSixteenBitsOverflowsLeavingLaterCellsAsTheyWere)
{
    EXPECT_EQ(show(1966079), QStringLiteral("32767:59"));
    EXPECT_EQ(show(65), QStringLiteral("1:05"));
    EXPECT_THROW(led->setCaption(1966080), OverflowError);
    EXPECT_EQ(led->Caption(), 1966080.0f);
    EXPECT_EQ(shown(*led), QStringLiteral("1:05"));

    led->setGroupDividers(QStringLiteral("100000,1"));
    EXPECT_THROW(led->setCaption(99999), OverflowError);
    EXPECT_EQ(led->cell(0)->Caption(), -1); // updated
    EXPECT_EQ(led->cell(1)->Caption(), 5);  // as it was
    EXPECT_EQ(led->topDot(0)->FillColor(), White);
}

TEST_F(TimeLEDTest, ANegativeDividerFailsAsAnInvalidArgument)
{
    led->setCaption(65);
    led->setGroupDividers(QStringLiteral("60,-1"));
    EXPECT_THROW(led->setCaption(65), InvalidArgument);
    EXPECT_EQ(led->cell(0)->Caption(), 1);
    EXPECT_EQ(led->cell(1)->Caption(), 5);
}

TEST_F(TimeLEDTest, EmptyDividersAreStoredButKeepThePreviousDivisors)
{
    EXPECT_THROW(led->setGroupDividers(QString()), SubscriptOutOfRange);
    EXPECT_EQ(led->GroupDividers(), QString());
    EXPECT_EQ(led->Dividers(), (QList<float>{60.0f, 1.0f}));
    EXPECT_EQ(show(65), QStringLiteral("1:05"));
}

TEST_F(TimeLEDTest, NegativePaddingsAndSmallSizesAreIgnored)
{
    const double width = led->Width();
    for (const char16_t *name : {u"PaddingD", u"PaddingH", u"PaddingV", u"PaddingI"}) {
        setPropertyByName(led, name, -1);
        EXPECT_EQ(getPropertyByName(led, name).toInt(), 90);
    }
    EXPECT_EQ(led->cell(0)->PaddingI(), 90);
    led->setSize(8);
    EXPECT_EQ(led->Size(), 45);
    EXPECT_EQ(led->Width(), width);
}

// ---------------------------------------------------------------------------------------
// Style passed to the cells

TEST_F(TimeLEDTest, StyleGoesToEveryCellWithoutMovingAnything)
{
    led->setGroupLengths(QStringLiteral("2,2,2"));
    const double secondLeft = led->cell(1)->Left();
    const double dotLeft = led->topDot(0)->Left();
    setPropertyByName(led, u"LedType", int32_t(quellin::CircleLED)); // as the board sets it, by name
    led->setDigitRatio(quellin::Size_H13_W7);
    led->setLitColor(Red);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(led->cell(i)->LedType(), quellin::CircleLED);
        EXPECT_EQ(led->cell(i)->DigitRatio(), quellin::Size_H13_W7);
        EXPECT_EQ(led->cell(i)->LitColor(), Red);
    }
    EXPECT_EQ(led->cell(1)->Left(), secondLeft);
    EXPECT_EQ(led->topDot(0)->Left(), dotLeft);
    led->setPaddingD(90); // the next layout catches up
    EXPECT_NE(led->cell(1)->Left(), secondLeft);
}

// ---------------------------------------------------------------------------------------
// Layout, with cells of a known size standing in for NumberLED

class FixedCell : public NumberLED {
public:
    static constexpr double FixedWidth = 375;
    static constexpr double FixedHeight = 600;
    explicit FixedCell(QWidget *parent) : NumberLED(parent) { Move(0, 0, FixedWidth, FixedHeight); }

protected:
    void applyGeometry() override
    {
        if (Width() != FixedWidth || Height() != FixedHeight) {
            Move(Left(), Top(), FixedWidth, FixedHeight);
            return;
        }
        Control::applyGeometry();
    }
};

class TimeLEDLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { led.InitProperties(); }
    TimeLED led{nullptr, [](QWidget *parent) { return new FixedCell(parent); }};
};

TEST_F(TimeLEDLayoutTest, TwoCellsWithTheDefaultsSitAroundAColon)
{
    EXPECT_EQ(led.cell(0)->Left(), 90);
    EXPECT_EQ(led.cell(0)->Top(), 90);
    EXPECT_EQ(led.topDot(0)->Width(), 112.5);
    EXPECT_EQ(led.bottomDot(0)->Height(), 112.5);
    EXPECT_EQ(led.topDot(0)->Left(), 555);
    EXPECT_EQ(led.bottomDot(0)->Left(), 555);
    EXPECT_EQ(led.topDot(0)->Top(), 90 + 75);
    EXPECT_EQ(led.bottomDot(0)->Top(), 90 + 600 - 112.5 - 75);
    EXPECT_EQ(led.cell(1)->Left(), 758); // 757.5 to even
    EXPECT_EQ(led.cell(1)->Top(), 90);
    EXPECT_EQ(led.Width(), 1223.5);
    EXPECT_EQ(led.Height(), 780);
}

TEST_F(TimeLEDLayoutTest, OneCellPlacesNoSeparator)
{
    const double dotLeft = led.topDot(0)->Left();
    const double dotTop = led.bottomDot(0)->Top();
    led.setGroupLengths(QStringLiteral("4"));
    led.setSize(44); // dots 110 across: no rounding in the row
    const double dotWidth = led.topDot(0)->Width();
    led.setPaddingH(100);
    EXPECT_EQ(led.Width(), 2 * 100 + 375);
    EXPECT_EQ(led.Height(), 600 + 2 * 90);
    EXPECT_EQ(led.topDot(0)->Left(), dotLeft);
    EXPECT_EQ(led.bottomDot(0)->Top(), dotTop);
    EXPECT_EQ(dotWidth, 110);
    led.setCaption(65);
    EXPECT_EQ(led.topDot(0)->FillColor(), 0);
}

TEST_F(TimeLEDLayoutTest, SizeBelowNineChangesNothingNotEvenTheDots)
{
    led.setSize(8);
    EXPECT_EQ(led.Size(), 45);
    EXPECT_EQ(led.cell(0)->Size(), 45);
    EXPECT_EQ(led.topDot(0)->Width(), 112.5);
    EXPECT_EQ(led.Width(), 1223.5);

    led.setSize(9);
    EXPECT_EQ(led.Size(), 9);
    EXPECT_EQ(led.cell(1)->Size(), 9);
    EXPECT_EQ(led.topDot(0)->Width(), 22.5);
    EXPECT_EQ(led.bottomDot(0)->Height(), 22.5);
    EXPECT_EQ(led.topDot(0)->Top(), 90 + 15);
    EXPECT_EQ(led.cell(1)->Left(), 668); // 667.5 to even
}

TEST_F(TimeLEDLayoutTest, PaddingVMovesTheCellsDownAndGrowsTheHeightTwice)
{
    led.setPaddingV(100);
    EXPECT_EQ(led.cell(0)->Top(), 100);
    EXPECT_EQ(led.cell(1)->Top(), 100);
    EXPECT_EQ(led.topDot(0)->Top(), 175);
    EXPECT_EQ(led.Height(), 800);
    EXPECT_EQ(led.Width(), 1223.5);
}

TEST_F(TimeLEDLayoutTest, PaddingsShapeTheRow)
{
    led.setPaddingH(140);
    led.setPaddingD(100);
    EXPECT_EQ(led.cell(1)->Left(), 828); // 140 + 375 + 200 + 112.5, to even
    EXPECT_EQ(led.topDot(0)->Left(), 615);
    // About 2 x 140 + 2 x 375 + 2 x 100 + 112.5, with x rounded at each cell.
    EXPECT_EQ(led.Width(), 1343.5);
}

TEST_F(TimeLEDLayoutTest, ARowBeyondSixteenBitsStopsWithAnOverflow)
{
    EXPECT_THROW(led.setPaddingD(16384), OverflowError);
    EXPECT_EQ(led.PaddingD(), 16384);
    EXPECT_EQ(led.Width(), 1223.5); // the display's own size is not reached

    led.setPaddingD(90);
    EXPECT_THROW(led.setPaddingH(32500), OverflowError);
    EXPECT_EQ(led.cell(0)->Left(), 32500); // placed before the overflow
}

// ---------------------------------------------------------------------------------------
// Persistence

TEST_F(TimeLEDTest, ANewDisplayShowsBlankMinutesAndZeroSecondsAndSavesNothing)
{
    EXPECT_EQ(led->BackColor(), 0);
    EXPECT_EQ(led->LitColor(), 0x0080FF);
    EXPECT_EQ(led->SeparatorColor(), White);
    EXPECT_EQ(led->DigitRatio(), quellin::Size_H7_W4);
    EXPECT_EQ(led->LEDType(), quellin::Ortagon);
    EXPECT_EQ(led->Size(), 45);
    EXPECT_EQ(led->GroupLengths(), QStringLiteral("2,2"));
    EXPECT_EQ(led->GroupDividers(), QStringLiteral("60,1"));
    EXPECT_TRUE(led->ShowSeparators());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(led->cell(i)->LitColor(), 0x0080FF);
        EXPECT_EQ(led->cell(i)->PaddingI(), 90);
        EXPECT_EQ(led->cell(i)->Size(), 45);
        EXPECT_EQ(led->cell(i)->Top(), 90);
    }
    EXPECT_EQ(shown(*led), QStringLiteral(" 0"));

    PropertyBag bag;
    led->WriteProperties(bag);
    EXPECT_TRUE(bag.isEmpty()) << bag.toText().toStdString();
}

TEST_F(TimeLEDTest, ABagOfDefaultValuesLoadsLikeANewDisplay)
{
    const PropertyBag defaults = PropertyBag::fromText(
        u"PBackColor = 0\nPLitColor = 33023\nPDotColor = 16777215\nPDigitRatio = 74\nPLEDType = 0\n"
        u"PPaddingH = 90\nPPaddingV = 90\nPPaddingI = 90\nPPaddingD = 90\nPShowSeparators = True\n"
        u"PSize = 45\nPGroupLengths = \"2,2\"\nPGroupDividers = \"60,1\"\nPCaption = 0\n");
    ASSERT_EQ(defaults.keys().size(), 14);
    std::unique_ptr<Control> loaded(createControl(QStringLiteral("Quellin.TimeLED"), nullptr, &defaults));
    auto *other = qobject_cast<TimeLED *>(loaded.get());
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->Width(), led->Width());
    EXPECT_EQ(other->Height(), led->Height());
    ASSERT_EQ(other->cellCount(), led->cellCount());
    for (int i = 0; i < led->cellCount(); ++i) {
        PropertyBag mine, theirs;
        led->cell(i)->WriteProperties(mine);
        other->cell(i)->WriteProperties(theirs);
        EXPECT_EQ(theirs, mine);
        EXPECT_EQ(other->cell(i)->Left(), led->cell(i)->Left());
    }
    EXPECT_EQ(shown(*other), shown(*led));
    PropertyBag saved;
    other->WriteProperties(saved);
    EXPECT_TRUE(saved.isEmpty());
}

TEST_F(TimeLEDTest, TheFallClockLoadsFromItsDesignAndSavesTheSameValues)
{
    PropertyBag design;
    design.WriteProperty(QStringLiteral("PPaddingH"), 140, 90);
    design.WriteProperty(QStringLiteral("PPaddingI"), 200, 90);
    design.WriteProperty(QStringLiteral("PPaddingD"), 100, 90);
    design.WriteProperty(QStringLiteral("PSize"), 59, 45);
    design.WriteProperty(QStringLiteral("PLitColor"), Red, 0x0080FF);
    design.WriteProperty(QStringLiteral("PCaption"), 30.0f, 0.0f);
    design.WriteProperty(QStringLiteral("PGroupLengths"), QStringLiteral("1,2"), QStringLiteral("2,2"));
    std::unique_ptr<Control> loaded(createControl(QStringLiteral("Quellin.TimeLED"), nullptr, &design));
    auto *fall = qobject_cast<TimeLED *>(loaded.get());
    ASSERT_NE(fall, nullptr);
    EXPECT_EQ(fall->cell(0)->Max(), 9);
    EXPECT_EQ(fall->cell(1)->Size(), 59);
    EXPECT_EQ(fall->cell(1)->LitColor(), Red);
    EXPECT_EQ(fall->cell(0)->Left(), 140);
    EXPECT_EQ(fall->topDot(0)->Width(), 147.5);
    EXPECT_EQ(fall->Height(), fall->cell(0)->Height() + 180);
    EXPECT_EQ(shown(*fall), QStringLiteral(" 30"));

    PropertyBag saved;
    fall->WriteProperties(saved);
    EXPECT_EQ(saved, design);
}

TEST_F(TimeLEDTest, AStoredValueThatFailsIsDroppedAndTheRestLoads)
{
    PropertyBag design;
    design.WriteProperty(QStringLiteral("PSize"), 59, 45);
    design.WriteProperty(QStringLiteral("PCaption"), 65.0f, 0.0f);
    design.WriteProperty(QStringLiteral("PGroupDividers"), QString(), QStringLiteral("60,1"));
    std::unique_ptr<Control> loaded;
    ASSERT_NO_THROW(loaded.reset(createControl(QStringLiteral("Quellin.TimeLED"), nullptr, &design)));
    auto *other = qobject_cast<TimeLED *>(loaded.get());
    EXPECT_EQ(other->Size(), 59);
    EXPECT_EQ(other->GroupDividers(), QString());
    EXPECT_TRUE(other->Dividers().isEmpty()); // nothing to divide by: the groups stay as made
    EXPECT_EQ(other->Caption(), 65.0f);
}

// ---------------------------------------------------------------------------------------
// Late-bound access

TEST_F(TimeLEDTest, MembersAreReachedByTheirDispatchIds)
{
    EXPECT_EQ(typeName(led), QStringLiteral("TimeLED"));
    invoke(led, CaptionId, DispatchKind::PropertyLet, 1800.0);
    EXPECT_EQ(variantToDouble(invoke(led, CaptionId, DispatchKind::PropertyGet)), 1800.0);
    EXPECT_EQ(shown(*led), QStringLiteral("30:00"));
    // The scaling pass hands sizes over as doubles; the display rounds them half to even.
    setPropertyByName(led, u"Size", 58.5);
    EXPECT_EQ(led->Size(), 58);
    EXPECT_THROW(setPropertyByName(led, u"Size", 40000.0), OverflowError);
}

// ---------------------------------------------------------------------------------------
// Events and focus

TEST_F(TimeLEDTest, KeysOnACellReachTheHostAsTheDisplaysOwnAndAChangedKeyCodeReachesTheCell)
{
    QList<int> downs, presses, ups, seenByArray;
    QObject::connect(led, &Control::KeyDown, [&](qint16 &code, qint16 &) {
        downs << code;
        code = 0x52; // the host turns the key into R
    });
    QObject::connect(led, &Control::KeyPress, [&](qint16 ascii) { presses << ascii; });
    QObject::connect(led, &Control::KeyUp, [&](qint16 code, qint16 &) { ups << code; });
    QObject::connect(led->pledNumber(), &ControlArray::KeyDown,
                     [&](qint16 index, qint16 &code, qint16 &) { seenByArray << index << code; });

    QTest::keyClick(led->cell(1), Qt::Key_5);
    EXPECT_EQ(downs, QList<int>({0x35}));
    EXPECT_EQ(presses, QList<int>({'5'}));
    EXPECT_EQ(ups, QList<int>({0x35}));
    EXPECT_EQ(seenByArray, QList<int>({1, 0x52}));
}

TEST_F(TimeLEDTest, MouseOnACellReachesTheHostWithItsReferences)
{
    int clicks = 0;
    QList<int> buttons;
    QObject::connect(led, &Control::Click, [&] { ++clicks; });
    QObject::connect(led, &Control::MouseDown, [&](qint16 &button, qint16 &, float &, float &) { buttons << button; });
    QTest::mouseClick(led->cell(0), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(buttons, QList<int>({1}));
}

TEST_F(TimeLEDTest, TabReachesTheDisplayAsOneStopWithOneGotFocus)
{
    QWidget window;
    window.resize(300, 200);
    auto *before = new QLineEdit(&window);
    led->setParent(&window);
    control.release(); // the window owns it now
    led->setTop(600);
    led->show();
    int gotFocus = 0;
    QObject::connect(led, &Control::GotFocus, [&] { ++gotFocus; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QApplication::processEvents();

    QTest::keyClick(before, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), led->cell(0));
    EXPECT_EQ(gotFocus, 1);

    led->cell(1)->setFocus(); // focus moving inside the display is no new focus
    QApplication::processEvents();
    EXPECT_EQ(gotFocus, 1);

    QTest::keyClick(led->cell(1), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), before);
}

// ---------------------------------------------------------------------------------------
// Cost of a refresh

TEST_F(TimeLEDTest, ACaptionAlreadyShownPaintsNothing)
{
    QWidget window;
    led->setParent(&window);
    control.release();
    led->show();
    led->setCaption(65);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    const int cell0 = led->cell(0)->paintCount();
    const int cell1 = led->cell(1)->paintCount();
    const int dot = led->topDot(0)->paintCount();
    ASSERT_GT(cell0, 0);

    for (int tick = 0; tick < 20; ++tick)
        led->setCaption(65.4f); // the same digits
    QApplication::processEvents();
    EXPECT_EQ(led->cell(0)->paintCount(), cell0);
    EXPECT_EQ(led->cell(1)->paintCount(), cell1);
    EXPECT_EQ(led->topDot(0)->paintCount(), dot);

    led->setCaption(66);
    QApplication::processEvents();
    EXPECT_EQ(led->cell(0)->paintCount(), cell0);
    EXPECT_GT(led->cell(1)->paintCount(), cell1);
}

} // namespace
