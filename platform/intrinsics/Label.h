// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A label: text drawn on its container, transparent or on its own background. It never
// takes the focus; a click on it raises Click.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT Label : public StyledControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Label")
    Q_CLASSINFO("ProgID", "VB.Label")
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(qint16 Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(qint16 BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)

public:
    enum Alignments : qint16 { LeftJustify = 0, RightJustify = 1, Center = 2 };
    enum BackStyles : qint16 { Transparent = 0, Opaque = 1 };

    explicit Label(QWidget *parent = nullptr);

    // The text as it stands: an "&" is shown as it is.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // 0 left, 1 right, 2 centre; the text starts at the top and wraps at word breaks.
    qint16 Alignment() const { return m_alignment; }
    void setAlignment(qint16 alignment);
    // 0 transparent, 1 opaque (BackColor behind the text; the default).
    qint16 BackStyle() const { return m_backStyle; }
    void setBackStyle(qint16 style);
    // 0 none, 1 a thin line around the label.
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 style);
    // The label takes the size of its text: wider with WordWrap off, taller with it on.
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);

protected:
    void paintEvent(QPaintEvent *event) override;
    void fontChanged() override;

private:
    void fitToText();

    QString m_caption;
    qint16 m_alignment = LeftJustify;
    qint16 m_backStyle = Opaque;
    qint16 m_borderStyle = 0;
    bool m_autoSize = false;
    bool m_wordWrap = false;
};

} // namespace tallyard
