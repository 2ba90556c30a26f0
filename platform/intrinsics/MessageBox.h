// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The message box forms ask questions with: a prompt, a title, an icon and a set of
// buttons, answered with the button pressed. Tests (and hosts without a screen) answer it
// through a handler instead of a real modal window.

#include "tallyard_intrinsics_export.h"

#include <QString>

#include <functional>

class QWidget;

namespace tallyard {

namespace msgbox {
// The old runtime's button sets, icons and answers, which callers combine and compare.
inline constexpr int YesNo = 4;
inline constexpr int Question = 32;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace msgbox

// Shows the question modally over owner (the active window when null) and returns the
// answer: msgbox::Yes or msgbox::No for a YesNo box (closing it counts as No).
TALLYARD_INTRINSICS_EXPORT int MsgBox(const QString &prompt, int buttons, const QString &title,
                                      QWidget *owner = nullptr);

// What a handler sees of a question, and answers in its place.
struct TALLYARD_INTRINSICS_EXPORT MessageBoxQuestion {
    QString prompt;
    QString title;
    int buttons = 0;
};
using MessageBoxHandler = std::function<int(const MessageBoxQuestion &)>;
// A test seam: answers in place of the message box; an empty handler brings it back.
TALLYARD_INTRINSICS_EXPORT void setMessageBoxOverride(MessageBoxHandler handler);

} // namespace tallyard
