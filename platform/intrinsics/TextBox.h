// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A one-line text box: the operator types into it, and it raises KeyDown / KeyPress /
// KeyUp for every key while the letters still go into the text. Keys the text does not
// use stop at the text box: they never reach the form behind it.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

class QLineEdit;

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT TextBox : public StyledControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TextBox")
    Q_CLASSINFO("ProgID", "VB.TextBox")
    Q_CLASSINFO("EventId Change", "9")
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(qint16 Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(qint32 MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(qint32 SelStart READ SelStart WRITE setSelStart)
    Q_PROPERTY(qint32 SelLength READ SelLength WRITE setSelLength)
    Q_PROPERTY(QString SelText READ SelText WRITE setSelText)

public:
    enum BorderStyles : qint16 { NoBorder = 0, FixedSingle = 1 };

    explicit TextBox(QWidget *parent = nullptr);

    QString Text() const;
    // Raises Change when the text differs.
    void setText(const QString &text);
    // 0 left, 1 right, 2 centre.
    qint16 Alignment() const { return m_alignment; }
    void setAlignment(qint16 alignment);
    // 0 none, 1 a thin flat line (the default).
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 style);
    // 0: no limit. A shorter limit keeps the text already there.
    qint32 MaxLength() const { return m_maxLength; }
    void setMaxLength(qint32 length);
    // The operator can select and copy but not change the text.
    bool Locked() const;
    void setLocked(bool locked);
    qint32 SelStart() const;
    void setSelStart(qint32 start);
    qint32 SelLength() const;
    void setSelLength(qint32 length);
    QString SelText() const;
    void setSelText(const QString &text);

    QLineEdit *editor() const { return m_edit; }

signals:
    // The text changed, by typing or by code.
    void Change();

protected:
    void colorsChanged() override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutEditor();

    QLineEdit *m_edit;
    qint16 m_alignment = 0;
    qint16 m_borderStyle = FixedSingle;
    qint32 m_maxLength = 0;
};

// Whether a key event is the focus move (Tab, Shift+Tab) that Qt handles before any
// control sees it; composites skip it so that it raises no KeyDown.
TALLYARD_INTRINSICS_EXPORT bool isFocusMoveKey(const QEvent *event);

} // namespace tallyard
