// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The Alt+letter shortcut of a caption with an "&" accelerator.

#include "tallyard_forms_export.h"

#include <QString>

#include <functional>

class QShortcut;
class QWidget;

namespace tallyard {

// The Alt+letter shortcut of a caption with an "&" accelerator ("&Help": Alt+H). It acts
// while its owner is visible and enabled in the active window.
class TALLYARD_FORMS_EXPORT Mnemonic {
public:
    Mnemonic(QWidget *owner, std::function<void()> activated);
    void setCaption(const QString &caption);

private:
    QWidget *m_owner;
    std::function<void()> m_activated;
    QShortcut *m_shortcut = nullptr;
};

} // namespace tallyard
