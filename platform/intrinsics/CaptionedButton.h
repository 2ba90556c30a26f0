// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// What the push and option buttons share: a caption whose "&" letter acts with Alt
// ("&Help": Alt+H), the button colours, hover tracking and the focus.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT CaptionedButton : public StyledControl {
    Q_OBJECT

public:
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    // activated runs when the caption's Alt+letter is pressed; the button has the focus then.
    CaptionedButton(QWidget *parent, double heightTwips, std::function<void()> activated);

private:
    QString m_caption;
    Mnemonic m_mnemonic;
};

} // namespace tallyard
