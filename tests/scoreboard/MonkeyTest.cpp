// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Random keys on a loaded board: whatever the operator hits, the board stays up and every
// number it shows stays within what its display and its entry allow.

#include "tests/scoreboard/BoardFixture.h"

#include "scoreboard/forms/Forms.h"

#include <random>

using namespace tallyard;
using tallyard::test::BoardTest;

namespace {

// The text a keyboard gives with the key; QTest refuses to work one out for keys it does not
// know, and the raw codes are such keys.
QString textOf(int key, Qt::KeyboardModifiers mods)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z && !(mods & Qt::ShiftModifier))
        return QString(QChar(key + ('a' - 'A')));
    if (key >= 0x20 && key <= 0x7e)
        return QString(QChar(key));
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return QStringLiteral("\r");
    if (key == Qt::Key_Tab || key == Qt::Key_Backspace || key == Qt::Key_Escape)
        return QString(QChar(key == Qt::Key_Tab ? '\t' : key == Qt::Key_Backspace ? '\b' : '\x1b'));
    return {};
}

class MonkeyTest : public BoardTest {
protected:
    void SetUp() override
    {
        forms::setHelpOverride([] {});
        forms::setOptionsOverride([](QWidget *) {});
        BoardTest::SetUp();
    }

    void TearDown() override
    {
        BoardTest::TearDown();
        forms::setHelpOverride({});
        forms::setOptionsOverride({});
    }

    // What is wrong with the board, or an empty text.
    QString fault()
    {
        if (!board)
            return QStringLiteral("the board is gone");
        if (!board->isVisible())
            return QStringLiteral("the board was closed");
        if (!swallowed.messages.isEmpty())
            return QStringLiteral("a handler failed: ") + swallowed.messages.first();
        const int points = caption(board->nledScoreLeft);
        const int thousandths = caption(board->nledScoreRight);
        if (points < 0 || thousandths < 0 || thousandths > 999 || points * 1000 + thousandths > 19999)
            return QStringLiteral("score %1.%2").arg(points).arg(thousandths);
        const int gymnast = caption(board->nledGymnastNum);
        if (gymnast < -1 || gymnast > 9999)
            return QStringLiteral("gymnast number %1").arg(gymnast);
        const struct {
            const char *name;
            int preset;
            Control *keeper;
            int limit;
        } rows[] = {{"Routine", RoutinePreset, board->tkRoutine, 5999},
                    {"Fall", FallPreset, board->tkFall, 599},
                    {"Warm-Up", WarmUpPreset, board->tkWarmUp, 5999}};
        for (const auto &row : rows) {
            if (row.preset < 0 || row.preset > row.limit)
                return QStringLiteral("%1 preset %2").arg(QLatin1String(row.name)).arg(row.preset);
            // A clock only counts down from an entry or a preset, so it never exceeds the limit.
            const double seconds = clock(row.keeper);
            if (seconds < 0 || seconds > row.limit)
                return QStringLiteral("%1 clock %2").arg(QLatin1String(row.name)).arg(seconds);
        }
        return {};
    }

    // A handler's failure is caught and logged, so no exception ever reaches the test; the
    // log line is how a half-done command shows.
    test::SwallowedFailures swallowed;
};

TEST_F(MonkeyTest, TwoHundredThousandRandomKeysKeepTheBoardWithinItsLimits)
{
    std::vector<int> keys{Qt::Key_Tab,      Qt::Key_Backtab,   Qt::Key_Return,  Qt::Key_Enter,  Qt::Key_Escape,
                          Qt::Key_Delete,   Qt::Key_Backspace, Qt::Key_Left,    Qt::Key_Right,  Qt::Key_Up,
                          Qt::Key_Down,     Qt::Key_Home,      Qt::Key_End,     Qt::Key_PageUp, Qt::Key_PageDown,
                          Qt::Key_Space,    Qt::Key_Period,    Qt::Key_Comma,   Qt::Key_Plus,   Qt::Key_Minus,
                          Qt::Key_Asterisk, Qt::Key_Slash,     Qt::Key_NumLock, Qt::Key_Insert};
    for (const auto &[first, last] :
         {std::pair{Qt::Key_A, Qt::Key_Z}, {Qt::Key_0, Qt::Key_9}, {Qt::Key_F1, Qt::Key_F12}})
        for (int k = first; k <= last; ++k)
            keys.push_back(k);
    // Plain keys most of the time, as an operator types.
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier,
                                               Qt::NoModifier,
                                               Qt::NoModifier,
                                               Qt::NoModifier,
                                               Qt::ShiftModifier,
                                               Qt::ControlModifier,
                                               Qt::AltModifier,
                                               Qt::KeypadModifier,
                                               Qt::KeypadModifier,
                                               Qt::ShiftModifier | Qt::KeypadModifier,
                                               Qt::ControlModifier | Qt::ShiftModifier,
                                               Qt::ControlModifier | Qt::AltModifier,
                                               Qt::ControlModifier | Qt::KeypadModifier,
                                               Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier};
    constexpr std::mt19937::result_type seed = 20260314;
    std::mt19937 random(seed);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto target = [&]() -> QWidget * { return focused() ? focused() : board.data(); };

    constexpr int events = 200000;
    for (int i = 0; i < events; ++i) {
        int key = keys[below(static_cast<int>(keys.size()))];
        // Now and then a code no keyboard of ours sends.
        if (below(100) == 0) {
            const int raw[] = {0, Qt::Key_unknown, 0x7f, 0xffff, 0x10ffff, 0x20 + below(0x01000000)};
            key = raw[below(6)];
        }
        const Qt::KeyboardModifiers mods = modifiers[below(std::size(modifiers))];
        QString wrong;
        try {
            const QString text = textOf(key, mods);
            QTest::sendKeyEvent(QTest::Press, target(), static_cast<Qt::Key>(key), text, mods);
            // The release goes where the focus is now, as it does when a press moved it.
            QTest::sendKeyEvent(QTest::Release, target(), static_cast<Qt::Key>(key), text, mods);
            if (below(4) == 0) {
                now.advance(below(3001));
                tick();
            }
            // The 50 ms timer, focus changes and paints get their turn too.
            if (below(64) == 0)
                QCoreApplication::processEvents();
            wrong = fault();
        } catch (const std::exception &error) {
            wrong = QStringLiteral("exception: ") + QString::fromLocal8Bit(error.what());
        } catch (...) {
            wrong = QStringLiteral("unknown exception");
        }
        ASSERT_TRUE(wrong.isEmpty()) << "seed " << seed << ", event " << i << " (key 0x" << std::hex << key
                                     << ", modifiers 0x" << mods.toInt() << std::dec << "): " << wrong.toStdString();
    }
}

} // namespace
