// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A push button. Its caption's "&" letter clicks it with Alt ("&Help": Alt+H); Enter
// clicks the window's Default button, Esc its Cancel button; a focused button clicks on
// Space and Enter; the mouse clicks it as anywhere else.

#include "tallyard_intrinsics_export.h"
#include "platform/intrinsics/CaptionedButton.h"

#include <array>

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT CommandButton : public CaptionedButton {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "CommandButton")
    Q_CLASSINFO("ProgID", "VB.CommandButton")
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(bool Value READ Value WRITE setValue)

public:
    explicit CommandButton(QWidget *parent = nullptr);

    // One Default and one Cancel button per window: setting either on one button takes
    // it from the others.
    bool Default() const { return m_default; }
    void setDefault(bool isDefault);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool isCancel);
    // Setting True clicks the button; it reads False.
    bool Value() const { return false; }
    void setValue(bool value);

    // Raises Click, as a press of an enabled button does.
    void click();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setDown(bool down);
    QList<CommandButton *> windowButtons() const;

    std::array<QShortcut *, 2> m_enterKeys{};
    QShortcut *m_escapeKey = nullptr;
    bool m_default = false;
    bool m_cancel = false;
    bool m_down = false;
};

} // namespace tallyard
