// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// An image: a picture shown at its natural size or stretched to fill the control. Without
// stretching, assigning a picture gives the control the picture's natural size (15 twips
// a pixel). It never takes the focus; a click on it raises Click.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

#include "platform/readers/PictureLoader.h"

#include <QImage>

namespace tallyard {

class TALLYARD_INTRINSICS_EXPORT Image : public IntrinsicControl {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Image")
    Q_CLASSINFO("ProgID", "VB.Image")
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(QString Picture READ Picture WRITE setPicture)
    Q_PROPERTY(double PictureWidth READ PictureWidth)
    Q_PROPERTY(double PictureHeight READ PictureHeight)

public:
    explicit Image(QWidget *parent = nullptr);

    // 0 none, 1 a thin line around the image.
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 style);
    // Off: the picture keeps its natural size and the next picture assigned sizes the
    // control. On: the picture is scaled (smoothly) to fill the control. Switching it
    // changes neither the control's size nor its picture.
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    // The file the picture came from; empty when there is none. Setting a path reads the
    // picture's header (its natural size) and decodes its pixels only when painted, at the
    // size shown; setting the same path again reads nothing unless the file changed on
    // disk. An empty path, a missing file or a file that is no readable picture leaves the
    // image without a picture; a file whose pixels turn out damaged paints nothing. Never
    // throws.
    QString Picture() const { return m_file.path; }
    void setPicture(const QString &path);
    // A picture that comes from no file (a resource, a generated picture).
    void setPictureImage(const QImage &picture);
    void clearPicture() { setPictureImage(QImage()); }
    // Shows the picture other shows, from the same file (decoded at this control's own
    // size) or the same picture in memory; nothing is read from disk.
    void showPictureOf(const Image &other);
    bool hasPicture() const { return !pictureSize().isEmpty(); }
    // The picture's natural size in pixels, upright.
    QSize pictureSize() const { return m_memory.isNull() ? m_file.size : m_memory.size(); }
    // The picture as last painted: at the control's device pixels when stretched, at its
    // natural size otherwise; null before the first paint and without a picture.
    const QImage &shownImage() const { return m_shown; }
    // The picture's natural size in twips; 0 without a picture.
    double PictureWidth() const { return pictureSize().width() * TwipsPerPixel; }
    double PictureHeight() const { return pictureSize().height() * TwipsPerPixel; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void takePicture(const PictureFile &file, const QImage &memory);
    void fitToNaturalSize();
    // The picture at pixels, for painting; null when it cannot be decoded.
    QImage render(QSize pixels) const;

    PictureFile m_file; // a picture from a file
    QImage m_memory;    // a picture from memory
    QImage m_shown;     // what the last paint drew
    QSize m_shownFor;   // the size m_shown was made for (also when that failed)
    qint16 m_borderStyle = 0;
    bool m_stretch = false;
};

} // namespace tallyard
