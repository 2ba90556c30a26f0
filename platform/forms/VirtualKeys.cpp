// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/VirtualKeys.h"

#include "platform/core/Values.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>

#ifdef TALLYARD_HAVE_X11
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

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

// The codes a layout's characters decide: the main row's digits and its punctuation keys.
bool isCharacterCode(int16_t code)
{
    return (code >= 48 && code <= 57) || (code >= 186 && code <= 192) || (code >= 219 && code <= 222);
}

struct Mark {
    uint32_t keysym; // Latin-1 keysyms are the characters themselves
    int16_t code;
};
// The marks that name their key in every country, plain or shifted.
constexpr std::array everyCountryMarks{Mark{'+', vk::OemPlus}, Mark{',', 188}, Mark{'-', vk::OemMinus},
                                       Mark{'.', vk::OemPeriod}};
// The US keys' plain marks.
constexpr std::array usMarks{Mark{';', 186}, Mark{'=', vk::OemPlus}, Mark{'/', 191}, Mark{'`', 192},
                             Mark{'[', 219}, Mark{'\\', 220},        Mark{']', 221}, Mark{'\'', 222}};

template <std::size_t N>
int16_t markCode(const std::array<Mark, N> &marks, uint32_t keysym)
{
    const auto it = std::find_if(marks.begin(), marks.end(), [keysym](const Mark &m) { return m.keysym == keysym; });
    return it == marks.end() ? 0 : it->code;
}

int16_t codeOfCharacters(std::span<const uint32_t> keysyms)
{
    for (const uint32_t sym : keysyms) {
        if (isAsciiDigit(sym))
            return static_cast<int16_t>(vk::Digit0 + (sym - '0'));
    }
    const uint32_t plain = keysyms[0];
    const uint32_t shifted = keysyms.size() > 1 ? keysyms[1] : 0;
    if (const int16_t code = markCode(everyCountryMarks, plain))
        return code;
    if (const int16_t code = markCode(everyCountryMarks, shifted))
        return code;
    return markCode(usMarks, plain);
}

#ifdef TALLYARD_HAVE_X11
// The X server's keyboard map, read once over a connection of our own and kept until the
// server reports a change (setxkbmap, a layout switch): on the key press path a lookup costs
// one non-blocking look at that connection, never a round trip.
class X11Keymap {
public:
    ~X11Keymap()
    {
        dropMap();
        if (m_display)
            XCloseDisplay(m_display);
    }

    // The keysyms of an X keycode in a group, level by level; none when it is unknown.
    std::size_t keysyms(unsigned int keycode, unsigned int group, std::span<uint32_t> out)
    {
        if (!open())
            return 0;
        bool changed = false;
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
            changed = true;
        }
        if (changed)
            dropMap();
        if (!m_map)
            m_map = XkbGetMap(m_display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
        if (!m_map || !m_map->map || keycode < m_map->min_key_code || keycode > m_map->max_key_code)
            return 0;
        const auto key = static_cast<KeyCode>(keycode);
        const unsigned int groups = XkbKeyNumGroups(m_map, key);
        if (groups == 0)
            return 0;
        group %= groups; // a group past the key's own wraps, as XKB does by default
        const std::size_t width = std::min<std::size_t>(XkbKeyGroupWidth(m_map, key, group), out.size());
        for (std::size_t level = 0; level < width; ++level)
            out[level] = static_cast<uint32_t>(XkbKeySymEntry(m_map, key, level, group));
        return width;
    }

private:
    bool open()
    {
        if (m_tried)
            return m_display != nullptr;
        m_tried = true;
        // Only where Qt itself runs on X11; a Wayland session's keys come by their Qt key.
        if (!qGuiApp || QGuiApplication::platformName() != QLatin1StringView("xcb"))
            return false;
        const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        m_display = XOpenDisplay(x11 && x11->display() ? XDisplayString(x11->display()) : nullptr);
        if (!m_display)
            return false;
        int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        if (!XkbQueryExtension(m_display, &opcode, &event, &error, &major, &minor)) {
            XCloseDisplay(m_display);
            m_display = nullptr;
            return false;
        }
        constexpr unsigned int changes = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
        XkbSelectEvents(m_display, XkbUseCoreKbd, changes, changes);
        return true;
    }
    void dropMap()
    {
        if (m_map)
            XkbFreeKeyboard(m_map, 0, True);
        m_map = nullptr;
    }

    Display *m_display = nullptr;
    XkbDescPtr m_map = nullptr;
    bool m_tried = false;
};
#endif

struct KeySyms {
    std::array<uint32_t, 8> syms{};
    std::size_t count = 0;
    std::span<const uint32_t> view() const { return {syms.data(), count}; }
};

KeySyms keysymsOf(const QKeyEvent *event)
{
    KeySyms out;
#ifdef TALLYARD_HAVE_X11
    // On X11 the native scan code is the X keycode, and the event's state carries the
    // layout group in bits 13 and 14.
    if (event->nativeScanCode() != 0 && !event->modifiers().testFlag(Qt::KeypadModifier)) {
        static X11Keymap keymap;
        out.count = keymap.keysyms(event->nativeScanCode(), XkbGroupForCoreState(event->nativeModifiers()), out.syms);
    }
#else
    Q_UNUSED(event);
#endif
    return out;
}

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
    return virtualKeyCode(event->key(), event->modifiers(), keysymsOf(event).view());
}

int16_t virtualKeyCode(int key, Qt::KeyboardModifiers modifiers, std::span<const uint32_t> keysyms)
{
    const int16_t byKey = virtualKeyCode(key, modifiers);
    if (keysyms.empty() || modifiers.testFlag(Qt::KeypadModifier) || (byKey != 0 && !isCharacterCode(byKey)))
        return byKey;
    return codeOfCharacters(keysyms);
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
