// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Windows virtual-key codes for Qt key events. The settings store keeps command keys as
// these codes and the board compares against them, so they must be the same on every
// platform: keypad digits (96-105) stay apart from the main row (48-57), and with NumLock
// off the keypad keys give the navigation codes.

#include "tallyard_forms_export.h"

#include <QKeyEvent>

#include <cstdint>
#include <span>

namespace tallyard {

namespace vk {
inline constexpr int16_t Back = 8, Tab = 9, Clear = 12, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19,
                         Capital = 20, Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37,
                         Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46, Digit0 = 48, Digit9 = 57,
                         Numpad0 = 96, Numpad9 = 105, Multiply = 106, Add = 107, Subtract = 109, Decimal = 110,
                         Divide = 111, F1 = 112, F2 = 113, F12 = 123, NumLock = 144, Scroll = 145, OemPlus = 187,
                         OemMinus = 189, OemPeriod = 190;
}

// 0 for a key without a code.
TALLYARD_FORMS_EXPORT int16_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// The same for a key whose layout is known: keysyms are the X keysyms its current layout
// puts on it, level by level, plain first (empty when unknown: then the Qt key decides).
// The main keyboard's digit and punctuation keys take their codes from these characters, as
// the old runtime's codes do on every layout, so Shift never changes a key's code:
// - a digit on any level gives that digit (the AZERTY key "&" with "1" above it is 49);
// - "+", ",", "-" or "." plain, else shifted, give 187 to 190 (the codes that mean these
//   marks in every country; the score's point and the number's sign need them);
// - otherwise the plain character gives the US code of its key (; = / ` [ \ ] ');
// - any other key whose Qt key named such a code has none (the German "<" key).
// Letters, function, editing and keypad keys keep the code of their Qt key.
TALLYARD_FORMS_EXPORT int16_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers,
                                             std::span<const uint32_t> keysyms);
// From the event's key on X11 (its keysyms read through the X keyboard map) and on Windows
// (its native code); from its Qt key elsewhere.
TALLYARD_FORMS_EXPORT int16_t virtualKeyCode(const QKeyEvent *event);
// 1 Shift, 2 Ctrl, 4 Alt, added together.
TALLYARD_FORMS_EXPORT int16_t shiftState(Qt::KeyboardModifiers modifiers);

// A Qt key (and keypad modifier) that gives the virtual-key code, for synthesising key
// events and naming keys; Qt::Key_unknown when none does.
struct TALLYARD_FORMS_EXPORT QtKey {
    int key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
};
TALLYARD_FORMS_EXPORT QtKey qtKeyForVirtualKey(int16_t code);

} // namespace tallyard
