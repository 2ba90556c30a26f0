// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/VirtualKeys.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tallyard;

namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    int code;
    friend void PrintTo(const KeyCase &c, std::ostream *os)
    {
        *os << "key 0x" << std::hex << c.key << " -> " << std::dec << c.code;
    }
};

class VirtualKeyTable : public ::testing::TestWithParam<KeyCase> { };

TEST_P(VirtualKeyTable, GivesTheWindowsCode)
{
    const KeyCase c = GetParam();
    EXPECT_EQ(virtualKeyCode(c.key, c.modifiers), c.code) << std::hex << c.key;
}

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Pad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeyTable,
    ::testing::Values(
        KeyCase{Qt::Key_A, None, 65}, KeyCase{Qt::Key_R, Qt::ShiftModifier, 82}, KeyCase{Qt::Key_Z, None, 90},
        KeyCase{Qt::Key_0, None, 48}, KeyCase{Qt::Key_9, None, 57}, KeyCase{Qt::Key_0, Pad, 96},
        KeyCase{Qt::Key_9, Pad, 105}, KeyCase{Qt::Key_Asterisk, Pad, 106}, KeyCase{Qt::Key_Plus, Pad, 107},
        KeyCase{Qt::Key_Minus, Pad, 109}, KeyCase{Qt::Key_Period, Pad, 110}, KeyCase{Qt::Key_Slash, Pad, 111},
        KeyCase{Qt::Key_Enter, Pad, 13}, KeyCase{Qt::Key_Return, None, 13},
        // The keypad with NumLock off gives the navigation keys.
        KeyCase{Qt::Key_Home, Pad, 36}, KeyCase{Qt::Key_Up, Pad, 38}, KeyCase{Qt::Key_PageUp, Pad, 33},
        KeyCase{Qt::Key_Left, Pad, 37}, KeyCase{Qt::Key_Clear, Pad, 12}, KeyCase{Qt::Key_Right, Pad, 39},
        KeyCase{Qt::Key_End, Pad, 35}, KeyCase{Qt::Key_Down, Pad, 40}, KeyCase{Qt::Key_PageDown, Pad, 34},
        KeyCase{Qt::Key_Insert, Pad, 45}, KeyCase{Qt::Key_Delete, Pad, 46}, KeyCase{Qt::Key_Semicolon, None, 186},
        KeyCase{Qt::Key_Equal, None, 187}, KeyCase{Qt::Key_Plus, None, 187}, KeyCase{Qt::Key_Comma, None, 188},
        KeyCase{Qt::Key_Minus, None, 189}, KeyCase{Qt::Key_Period, None, 190}, KeyCase{Qt::Key_Slash, None, 191},
        KeyCase{Qt::Key_QuoteLeft, None, 192}, KeyCase{Qt::Key_BracketLeft, None, 219},
        KeyCase{Qt::Key_Backslash, None, 220}, KeyCase{Qt::Key_BracketRight, None, 221},
        KeyCase{Qt::Key_Apostrophe, None, 222}, KeyCase{Qt::Key_F1, None, 112}, KeyCase{Qt::Key_F2, None, 113},
        KeyCase{Qt::Key_F12, None, 123}, KeyCase{Qt::Key_Backspace, None, 8}, KeyCase{Qt::Key_Shift, None, 16},
        KeyCase{Qt::Key_Control, None, 17}, KeyCase{Qt::Key_Alt, None, 18}, KeyCase{Qt::Key_Pause, None, 19},
        KeyCase{Qt::Key_CapsLock, None, 20}, KeyCase{Qt::Key_Escape, None, 27}, KeyCase{Qt::Key_Space, None, 32},
        KeyCase{Qt::Key_Delete, None, 46}, KeyCase{Qt::Key_NumLock, None, 144}, KeyCase{Qt::Key_ScrollLock, None, 145},
        KeyCase{Qt::Key_Exclam, Qt::ShiftModifier, 49}, KeyCase{Qt::Key_Colon, Qt::ShiftModifier, 186},
        KeyCase{Qt::Key_unknown, None, 0}));

// A key as an X keyboard map lays it out: its Qt key as pressed and its keysyms, plain first.
struct LayoutCase {
    const char *what;
    int key;
    Qt::KeyboardModifiers modifiers;
    std::vector<uint32_t> keysyms;
    int code;
    friend void PrintTo(const LayoutCase &c, std::ostream *os) { *os << c.what << " -> " << c.code; }
};

class VirtualKeyByLayout : public ::testing::TestWithParam<LayoutCase> { };

TEST_P(VirtualKeyByLayout, GivesTheCodeOfTheKeysCharacters)
{
    const LayoutCase c = GetParam();
    EXPECT_EQ(virtualKeyCode(c.key, c.modifiers, c.keysyms), c.code) << c.what;
}

constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
// Keysyms beyond Latin-1's printable characters.
constexpr uint32_t eacute = 0xe9, agrave = 0xe0, mu = 0xb5, ssharp = 0xdf, section = 0xa7, degree = 0xb0,
                   deadTilde = 0xfe53, deadCircumflex = 0xfe52, superL = 0xffeb, kpHome = 0xff95, kp7 = 0xffb7;

INSTANTIATE_TEST_SUITE_P(Layouts, VirtualKeyByLayout,
                         ::testing::Values(
                             // French AZERTY: the top row types numbers with or without Shift.
                             LayoutCase{"fr &/1", Qt::Key_Ampersand, None, {'&', '1'}, 49},
                             LayoutCase{"fr Shift+&/1", Qt::Key_1, Shift, {'&', '1'}, 49},
                             LayoutCase{"fr e-acute/2", Qt::Key_Eacute, None, {eacute, '2', deadTilde}, 50},
                             LayoutCase{"fr '/4", Qt::Key_Apostrophe, None, {'\'', '4', '{'}, 52},
                             LayoutCase{"fr -/6", Qt::Key_Minus, None, {'-', '6', '|'}, 54},
                             LayoutCase{"fr _/8", Qt::Key_Underscore, None, {'_', '8', '\\'}, 56},
                             LayoutCase{"fr a-grave/0", Qt::Key_Agrave, None, {agrave, '0', '@'}, 48},
                             LayoutCase{"fr ;/.", Qt::Key_Semicolon, None, {';', '.'}, 190},
                             LayoutCase{"fr Shift+;/.", Qt::Key_Period, Shift, {';', '.'}, 190},
                             LayoutCase{"fr =/+", Qt::Key_Equal, None, {'=', '+'}, 187},
                             LayoutCase{"fr */mu", Qt::Key_Asterisk, None, {'*', mu}, 0},
                             LayoutCase{"fr :/slash", Qt::Key_Colon, None, {':', '/'}, 0},
                             LayoutCase{"fr a", Qt::Key_A, None, {'a', 'A'}, 65},
                             // German QWERTZ.
                             LayoutCase{"de </>", Qt::Key_Less, None, {'<', '>', '|'}, 0},
                             LayoutCase{"de Shift+</>", Qt::Key_Greater, Shift, {'<', '>', '|'}, 0},
                             LayoutCase{"de #/'", Qt::Key_NumberSign, None, {'#', '\''}, 0},
                             LayoutCase{"de +/*", Qt::Key_Plus, None, {'+', '*', '~'}, 187},
                             LayoutCase{"de Shift+sharp-s/?", Qt::Key_Question, Shift, {ssharp, '?', '\\'}, 0},
                             LayoutCase{"de Shift+,/;", Qt::Key_Semicolon, Shift, {',', ';'}, 188},
                             LayoutCase{"de Shift+3/section", Qt::Key_section, Shift, {'3', section}, 51},
                             LayoutCase{"de dead ^", Qt::Key_Dead_Circumflex, None, {deadCircumflex, degree}, 0},
                             LayoutCase{"de z", Qt::Key_Z, None, {'z', 'Z'}, 90},
                             // US: every key keeps the code it has by its Qt key.
                             LayoutCase{"us Shift+1/!", Qt::Key_Exclam, Shift, {'1', '!'}, 49},
                             LayoutCase{"us Shift+;/:", Qt::Key_Colon, Shift, {';', ':'}, 186},
                             LayoutCase{"us Shift+=/+", Qt::Key_Plus, Shift, {'=', '+'}, 187},
                             LayoutCase{"us Shift+,/<", Qt::Key_Less, Shift, {',', '<'}, 188},
                             LayoutCase{"us Shift+-/_", Qt::Key_Underscore, Shift, {'-', '_'}, 189},
                             LayoutCase{"us Shift+./>", Qt::Key_Greater, Shift, {'.', '>'}, 190},
                             LayoutCase{"us Shift+slash/?", Qt::Key_Question, Shift, {'/', '?'}, 191},
                             LayoutCase{"us Shift+`/~", Qt::Key_AsciiTilde, Shift, {'`', '~'}, 192},
                             LayoutCase{"us Shift+[/{", Qt::Key_BraceLeft, Shift, {'[', '{'}, 219},
                             LayoutCase{"us Shift+backslash/|", Qt::Key_Bar, Shift, {'\\', '|'}, 220},
                             LayoutCase{"us Shift+]/}", Qt::Key_BraceRight, Shift, {']', '}'}, 221},
                             LayoutCase{"us Shift+'/\"", Qt::Key_QuoteDbl, Shift, {'\'', '"'}, 222},
                             // Keys outside the layout's say.
                             LayoutCase{"Super", Qt::Key_Super_L, None, {superL}, 0},
                             LayoutCase{"keypad 7", Qt::Key_7, Pad, {kpHome, kp7}, 103},
                             LayoutCase{"keypad Home", Qt::Key_Home, Pad, {kpHome, kp7}, 36},
                             LayoutCase{"no keysyms known", Qt::Key_Less, None, {}, 188}));

TEST(VirtualKeys, EveryCodeMapsBackToAKeyThatGivesIt)
{
    for (int code : {8,   9,   12,  13,  27,  32,  33,  40,  45,  46,  48,  57,  65,  90,  96,  105, 106, 107,
                     109, 110, 111, 112, 123, 144, 145, 186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222}) {
        const QtKey key = qtKeyForVirtualKey(static_cast<int16_t>(code));
        ASSERT_NE(key.key, Qt::Key_unknown) << code;
        EXPECT_EQ(virtualKeyCode(key.key, key.modifiers), code);
    }
}

TEST(VirtualKeys, ShiftStateAddsItsBits)
{
    EXPECT_EQ(shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftState(Qt::ControlModifier | Qt::KeypadModifier), 2);
}

} // namespace
