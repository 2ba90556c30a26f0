#include "platform/forms/VirtualKeys.h"

#include <array>

namespace tallyard {

namespace {

struct KeyEntry {
    int key;
    bool keypad; // only with the keypad modifier
    int16_t code;
};

// Keys that are not letters, digits or function keys. Shifted punctuation keys keep the
// code of their key (":" is the ";" key, 186), as Windows reports them.
constexpr std::array keyTable{
    KeyEntry{Qt::Key_Backspace, false, vk::Back},
    KeyEntry{Qt::Key_Tab, false, vk::Tab},
    KeyEntry{Qt::Key_Backtab, false, vk::Tab},
    KeyEntry{Qt::Key_Clear, false, vk::Clear},
    KeyEntry{Qt::Key_Return, false, vk::Return},
    KeyEntry{Qt::Key_Enter, false, vk::Return},
    KeyEntry{Qt::Key_Shift, false, vk::Shift},
    KeyEntry{Qt::Key_Control, false, vk::Control},
    KeyEntry{Qt::Key_Alt, false, vk::Menu},
    KeyEntry{Qt::Key_AltGr, false, vk::Menu},
    KeyEntry{Qt::Key_Pause, false, vk::Pause},
    KeyEntry{Qt::Key_CapsLock, false, vk::Capital},
    KeyEntry{Qt::Key_Escape, false, vk::Escape},
    KeyEntry{Qt::Key_Space, false, vk::Space},
    KeyEntry{Qt::Key_PageUp, false, vk::Prior},
    KeyEntry{Qt::Key_PageDown, false, vk::Next},
    KeyEntry{Qt::Key_End, false, vk::End},
    KeyEntry{Qt::Key_Home, false, vk::Home},
    KeyEntry{Qt::Key_Left, false, vk::Left},
    KeyEntry{Qt::Key_Up, false, vk::Up},
    KeyEntry{Qt::Key_Right, false, vk::Right},
    KeyEntry{Qt::Key_Down, false, vk::Down},
    KeyEntry{Qt::Key_Insert, false, vk::Insert},
    KeyEntry{Qt::Key_Delete, false, vk::Delete},
    KeyEntry{Qt::Key_NumLock, false, vk::NumLock},
    KeyEntry{Qt::Key_ScrollLock, false, vk::Scroll},
    // The keypad's operators.
    KeyEntry{Qt::Key_Asterisk, true, vk::Multiply},
    KeyEntry{Qt::Key_Plus, true, vk::Add},
    KeyEntry{Qt::Key_Minus, true, vk::Subtract},
    KeyEntry{Qt::Key_Period, true, vk::Decimal},
    KeyEntry{Qt::Key_Comma, true, vk::Decimal},
    KeyEntry{Qt::Key_Slash, true, vk::Divide},
    // The main keyboard's punctuation (US layout), plain and shifted.
    KeyEntry{Qt::Key_Semicolon, false, 186},
    KeyEntry{Qt::Key_Colon, false, 186},
    KeyEntry{Qt::Key_Equal, false, vk::OemPlus},
    KeyEntry{Qt::Key_Plus, false, vk::OemPlus},
    KeyEntry{Qt::Key_Comma, false, 188},
    KeyEntry{Qt::Key_Less, false, 188},
    KeyEntry{Qt::Key_Minus, false, vk::OemMinus},
    KeyEntry{Qt::Key_Underscore, false, vk::OemMinus},
    KeyEntry{Qt::Key_Period, false, vk::OemPeriod},
    KeyEntry{Qt::Key_Greater, false, vk::OemPeriod},
    KeyEntry{Qt::Key_Slash, false, 191},
    KeyEntry{Qt::Key_Question, false, 191},
    KeyEntry{Qt::Key_QuoteLeft, false, 192},
    KeyEntry{Qt::Key_AsciiTilde, false, 192},
    KeyEntry{Qt::Key_BracketLeft, false, 219},
    KeyEntry{Qt::Key_BraceLeft, false, 219},
    KeyEntry{Qt::Key_Backslash, false, 220},
    KeyEntry{Qt::Key_Bar, false, 220},
    KeyEntry{Qt::Key_BracketRight, false, 221},
    KeyEntry{Qt::Key_BraceRight, false, 221},
    KeyEntry{Qt::Key_Apostrophe, false, 222},
    KeyEntry{Qt::Key_QuoteDbl, false, 222},
    // Shifted digits of the main row keep their digit's code.
    KeyEntry{Qt::Key_ParenRight, false, 48},
    KeyEntry{Qt::Key_Exclam, false, 49},
    KeyEntry{Qt::Key_At, false, 50},
    KeyEntry{Qt::Key_NumberSign, false, 51},
    KeyEntry{Qt::Key_Dollar, false, 52},
    KeyEntry{Qt::Key_Percent, false, 53},
    KeyEntry{Qt::Key_AsciiCircum, false, 54},
    KeyEntry{Qt::Key_Ampersand, false, 55},
    KeyEntry{Qt::Key_Asterisk, false, 56},
    KeyEntry{Qt::Key_ParenLeft, false, 57},
};

} // namespace

int16_t virtualKeyCode(int key, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<int16_t>(65 + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<int16_t>((keypad ? vk::Numpad0 : 48) + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<int16_t>(vk::F1 + (key - Qt::Key_F1));
    for (const KeyEntry &entry : keyTable) {
        if (entry.key == key && (!entry.keypad || keypad))
            return entry.code;
    }
    return 0;
}

int16_t virtualKeyCode(const QKeyEvent *event)
{
#ifdef Q_OS_WIN
    if (event->nativeVirtualKey() != 0)
        return static_cast<int16_t>(event->nativeVirtualKey());
#endif
    return virtualKeyCode(event->key(), event->modifiers());
}

int16_t shiftState(Qt::KeyboardModifiers modifiers)
{
    int16_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

QtKey qtKeyForVirtualKey(int16_t code)
{
    if (code >= 65 && code <= 90)
        return {Qt::Key_A + (code - 65), Qt::NoModifier};
    if (code >= 48 && code <= 57)
        return {Qt::Key_0 + (code - 48), Qt::NoModifier};
    if (code >= vk::Numpad0 && code <= vk::Numpad0 + 9)
        return {Qt::Key_0 + (code - vk::Numpad0), Qt::KeypadModifier};
    if (code >= vk::F1 && code <= vk::F1 + 23)
        return {Qt::Key_F1 + (code - vk::F1), Qt::NoModifier};
    for (const KeyEntry &entry : keyTable) {
        if (entry.code == code)
            return {entry.key, entry.keypad ? Qt::KeypadModifier : Qt::NoModifier};
    }
    return {};
}

} // namespace tallyard
