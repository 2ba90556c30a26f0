// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A loaded board on a machine with default settings and a fake local clock, driven with real
// key events on the focused element.

#include "controls/TimeLED.h"
#include "components/NumberLED.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Shape.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/MMControl.h"
#include "platform/intrinsics/PictureBox.h"
#include "platform/intrinsics/TextBox.h"
#include "platform/intrinsics/TimerControl.h"
#include "platform/system/NumLock.h"
#include "platform/core/Properties.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/frmScoreboard.h"
#include "scoreboard/modules/modCount.h"
#include "scoreboard/modules/modShowDigits.h"
#include "scoreboard/settings/Settings.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tallyard::test {

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SettingsStore::setFolderOverride(store.path());
        resetSettingsToDefaults();
        modCount::resetState();
        modShowDigits::resetState();
        registerProgramControls();
        prepare();
        board = new frmScoreboard();
        board->Show();
        QApplication::setActiveWindow(board);
        ASSERT_TRUE(QTest::qWaitForWindowActive(board));
        // Let the queued Tab arrive.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    void TearDown() override
    {
        delete board.data();
        SettingsStore::setFolderOverride({});
        resetSettingsToDefaults();
    }

    // Settings a test wants in place before the board loads.
    virtual void prepare() { }

    void focus(Control *element)
    {
        element->SetFocus();
        QCoreApplication::processEvents();
    }

    QWidget *focused() const { return QApplication::focusWidget(); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = focused() ? focused() : board;
        QTest::keyClick(target, key, modifiers);
    }

    // Types digits, ".", "+", "-", " " and "\n" (Enter) on the focused element.
    void type(const char *keys)
    {
        for (const char *k = keys; *k; ++k) {
            switch (*k) {
            case '.':
                press(Qt::Key_Period);
                break;
            case '+':
                press(Qt::Key_Plus);
                break;
            case '-':
                press(Qt::Key_Minus);
                break;
            case ' ':
                press(Qt::Key_Space);
                break;
            case '\n':
                press(Qt::Key_Return);
                break;
            default:
                press(static_cast<Qt::Key>(Qt::Key_0 + (*k - '0')));
                break;
            }
        }
    }

    // Runs the event loop until done() holds, for at most ms milliseconds; a loaded machine
    // may deliver timers and paints late, so tests wait for the outcome, not for a time.
    template <typename Done>
    bool waitUntil(Done done, int ms = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > ms)
                return false;
            QTest::qWait(5);
        }
        return true;
    }

    // Runs the event loop until value() has stayed the same for 100 ms.
    template <typename Value>
    void settle(Value value)
    {
        auto last = value();
        QElapsedTimer quiet;
        quiet.start();
        QElapsedTimer total;
        total.start();
        while (quiet.elapsed() < 100 && total.elapsed() < 5000) {
            QTest::qWait(10);
            const auto now = value();
            if (now != last) {
                last = now;
                quiet.restart();
            }
        }
    }

    double clock(Control *keeper) { return variantToDouble(getPropertyByName(keeper, u"TimeSec")); }
    bool running(Control *keeper) { return variantToBool(getPropertyByName(keeper, u"Running")); }
    int caption(Control *number) { return variantToInt32(getPropertyByName(number, u"Caption")); }
    QString text(Control *box) { return variantToString(getPropertyByName(box, u"Text")); }
    void tick() { board->RefreshTime(); }

    // What a time display shows: digits (blank groups as spaces), ":" for a lit colon, "."
    // for a lone lower dot, " " for an unlit separator.
    static QString shown(Control *display)
    {
        auto *tled = qobject_cast<quellin::TimeLED *>(display);
        QString out;
        const qint32 back = tled->BackColor();
        for (int i = 0; i < tled->cellCount(); ++i) {
            NumberLED *cell = tled->cell(i);
            if (i > 0) {
                const qint32 top = variantToInt32(getPropertyByName(tled->shpTop()->item(i - 1), u"FillColor"));
                const qint32 bottom = variantToInt32(getPropertyByName(tled->shpBottom()->item(i - 1), u"FillColor"));
                out += top != back ? u':' : (bottom != back ? u'.' : u' ');
            }
            const int digits = cell->digitCount();
            if (cell->Caption() < 0)
                out += QString(digits, u' ');
            else if (cell->ZeroFill())
                out += QStringLiteral("%1").arg(cell->Caption(), digits, 10, QLatin1Char('0'));
            else
                out += QStringLiteral("%1").arg(cell->Caption(), digits, 10, QLatin1Char(' '));
        }
        return out;
    }

    QTemporaryDir store;
    FakeLocalTime now{2026, 3, 14, 12, 0, 0, 0};
    QPointer<frmScoreboard> board;
};

} // namespace tallyard::test
