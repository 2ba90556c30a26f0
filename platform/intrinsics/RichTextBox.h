// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A box of formatted text: loads an RTF file (through the platform's RTF reader) or takes
// plain text, wraps its lines at a right margin, scrolls vertically, and lets the operator
// read, select and copy but not change the text. Keys it does not use go on to its form.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

class QTextEdit;

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT RichTextBox : public StyledControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "RichTextBox")
    Q_CLASSINFO("ProgID", "RichTextLib.RichTextBox")
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(double RightMargin READ RightMargin WRITE setRightMargin)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // The text without its formatting; setting it replaces everything with plain text.
    QString Text() const;
    void setText(const QString &text);
    // Twips from the text's left edge to where lines wrap; 0 wraps at the box's width. A
    // negative value throws InvalidArgument.
    double RightMargin() const { return m_rightMargin; }
    void setRightMargin(double twips);
    bool Locked() const;
    void setLocked(bool locked);

    // Replaces the text with the RTF file at path; false, leaving the text as it was, when
    // the file cannot be read or holds no RTF.
    Q_INVOKABLE bool LoadFile(const QString &path);

    QTextEdit *editor() const { return m_edit; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void colorsChanged() override;
    void fontChanged() override;

private:
    void applyWrap();

    QTextEdit *m_edit;
    double m_rightMargin = 0;
};

} // namespace tallyard
