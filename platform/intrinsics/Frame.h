// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A frame: a container that groups controls under a caption, with a line around them or
// nothing at all. It never takes the focus; a click on it raises Click.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT Frame : public StyledControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Frame")
    Q_CLASSINFO("ProgID", "VB.Frame")
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)

public:
    enum BorderStyles : qint16 { NoBorder = 0, FixedSingle = 1 };

    explicit Frame(QWidget *parent = nullptr);

    // Shown in the top line at the left; empty: a line all round.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // 0: no line (only the background and the caption), 1: a line (the default).
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 style);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    qint16 m_borderStyle = FixedSingle;
};

} // namespace tallyard
