// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// An option button: one choice of a group. The option buttons of one container are one
// group: selecting one clears the others. Selecting raises Click; the arrow keys move the
// selection through the group as the operator expects.

#include "tallyard_intrinsics_export.h"
#include "platform/intrinsics/CaptionedButton.h"

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT OptionButton : public CaptionedButton {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "OptionButton")
    Q_CLASSINFO("ProgID", "VB.OptionButton")
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Value READ Value WRITE setValue)

public:
    explicit OptionButton(QWidget *parent = nullptr);

    // True selects this button, clears the others of its container and raises Click;
    // False only clears it.
    bool Value() const { return m_value; }
    void setValue(bool value);

    // The option buttons of this one's container, in tab order.
    QList<OptionButton *> group() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Selects without raising Click; true when the value changed.
    bool select();

    bool m_value = false;
};

} // namespace tallyard
