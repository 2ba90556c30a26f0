// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/CaptionedButton.h"

namespace tallyard {

CaptionedButton::CaptionedButton(QWidget *parent, double heightTwips, std::function<void()> activated)
    : StyledControl(parent, syscolor::ButtonFace, syscolor::ButtonText),
      m_mnemonic(this, [this, activated = std::move(activated)] {
          setFocus(Qt::ShortcutFocusReason);
          activated();
      })
{
    setAttribute(Qt::WA_Hover);
    setFocusable(true);
    Move(0, 0, 1215, heightTwips);
}

void CaptionedButton::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_mnemonic.setCaption(caption);
    update();
}

} // namespace tallyard
