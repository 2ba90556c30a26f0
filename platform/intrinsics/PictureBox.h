// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A picture box: a coloured area that holds other controls (their twips count from its
// top-left corner) and may show a picture at its natural size in that corner. It takes
// the focus and raises Click and the key events.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

#include <QImage>

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT PictureBox : public StyledControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "PictureBox")
    Q_CLASSINFO("ProgID", "VB.PictureBox")
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(QString Picture READ Picture WRITE setPicture)
    Q_PROPERTY(double PictureWidth READ PictureWidth)
    Q_PROPERTY(double PictureHeight READ PictureHeight)

public:
    enum BorderStyles : qint16 { NoBorder = 0, FixedSingle = 1 };

    explicit PictureBox(QWidget *parent = nullptr);

    // 0 none, 1 a thin line drawn over the box's edge (the default).
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 style);
    // The box takes the size of each picture it gets.
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    // A path that loads, or nothing; never throws. The picture is decoded at once, at its
    // natural size, through the picture loader's recent decodes.
    QString Picture() const { return m_path; }
    void setPicture(const QString &path);
    void setPictureImage(const QImage &picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    double PictureWidth() const { return m_picture.width() * TwipsPerPixel; }
    double PictureHeight() const { return m_picture.height() * TwipsPerPixel; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void takePicture(const QImage &picture, const QString &path);

    QImage m_picture;
    QString m_path;
    qint16 m_borderStyle = FixedSingle;
    bool m_autoSize = false;
};

} // namespace tallyard
