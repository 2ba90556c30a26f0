// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// What every control of a form does: twip geometry, its key events (handlers in order,
// failures kept inside, inner widgets raising them) and a composite taking the focus as one.
#include "tests/platform/forms/Probe.h"

#include "platform/core/Properties.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace tallyard;
using tallyard::test::Probe;

namespace {

TEST(TwipGeometry, ReadsBackExactlyAndMapsToPixels)
{
    QWidget host;
    Probe probe(&host);
    probe.Move(90, 75, 1223.5, 375);
    EXPECT_EQ(getPropertyByName(&probe, u"Width").toDouble(), 1223.5);
    EXPECT_EQ(probe.Left(), 90);
    EXPECT_EQ(probe.geometry(), QRect(6, 5, 82, 25)); // 1313.5 / 15 = 87.6 -> 88
}

TEST(Events, AKeyHandlerCanChangeTheKeyCodeForLaterHandlers)
{
    Probe probe;
    QList<int> seen;
    QObject::connect(&probe, &Control::KeyDown, [&](qint16 &code, qint16 &) {
        if (code == 16) // the Shift key itself
            return;
        seen << code;
        code = 0;
    });
    QObject::connect(&probe, &Control::KeyDown, [&](qint16 &code, qint16 &shift) {
        if (code != 16)
            seen << code << shift;
    });
    int presses = 0;
    QObject::connect(&probe, &Control::KeyPress, [&](qint16) { ++presses; });
    QTest::keyClick(&probe, Qt::Key_R, Qt::ShiftModifier);
    EXPECT_EQ(seen, (QList<int>{82, 0, 1}));
    EXPECT_EQ(presses, 0); // KeyCode set to 0: no KeyPress
}

TEST(Events, AFailingHandlerDoesNotEscapeTheEvent)
{
    Probe probe;
    int after = 0;
    QObject::connect(&probe, &Control::KeyDown, [](qint16 &, qint16 &) { throw OverflowError(); });
    QObject::connect(&probe, &Control::KeyUp, [&](qint16, qint16 &) { ++after; });
    QTest::keyClick(&probe, Qt::Key_5);
    EXPECT_EQ(after, 1);
}

TEST(Events, InnerWidgetsRaiseTheirControlsEvents)
{
    class Box : public Control {
    public:
        explicit Box(QWidget *parent = nullptr) : Control(parent), edit(new QLineEdit(this)) { forwardInputOf(edit); }
        QLineEdit *edit;
    } box;
    QList<int> downs;
    QObject::connect(&box, &Control::KeyDown, [&](qint16 &code, qint16 &) { downs << code; });
    QTest::keyClicks(box.edit, "ab");
    EXPECT_EQ(downs, (QList<int>{65, 66}));
    EXPECT_EQ(box.edit->text(), QStringLiteral("ab"));
}

TEST(Focus, ACompositeTakesTheFocusAsOne)
{
    QWidget window;
    Probe first(&window), composite(&window);
    first.makeFocusable();
    composite.makeComposite();
    Probe cellA(&composite), cellB(&composite);
    cellA.makeFocusable();
    cellB.makeFocusable();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first.SetFocus();
    int compositeGot = 0, cellGot = 0, compositeLost = 0;
    QObject::connect(&composite, &Control::GotFocus, [&] { ++compositeGot; });
    QObject::connect(&composite, &Control::LostFocus, [&] { ++compositeLost; });
    QObject::connect(&cellB, &Control::GotFocus, [&] { ++cellGot; });
    cellA.SetFocus();
    EXPECT_EQ(compositeGot, 1);
    cellB.SetFocus(); // moving inside the composite
    EXPECT_EQ(compositeGot, 1);
    EXPECT_EQ(cellGot, 1);
    first.SetFocus();
    EXPECT_EQ(compositeLost, 1);
}

} // namespace
