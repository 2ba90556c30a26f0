// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/forms/Mnemonic.h"

#include "platform/core/Guard.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace tallyard {

Mnemonic::Mnemonic(QWidget *owner, std::function<void()> activated) : m_owner(owner), m_activated(std::move(activated))
{
}

void Mnemonic::setCaption(const QString &caption)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (key.isEmpty()) {
        delete m_shortcut;
        m_shortcut = nullptr;
        return;
    }
    if (!m_shortcut) {
        m_shortcut = new QShortcut(m_owner);
        m_shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(m_shortcut, &QShortcut::activated, m_owner, [this] { runGuarded("Mnemonic", m_activated); });
        // Two controls with one letter: the letter moves the focus between them.
        QObject::connect(m_shortcut, &QShortcut::activatedAmbiguously, m_owner,
                         [this] { m_owner->setFocus(Qt::ShortcutFocusReason); });
    }
    m_shortcut->setKey(key);
}

} // namespace tallyard
