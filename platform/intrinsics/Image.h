#pragma once
// An image: a picture shown at its natural size or stretched to fill the control. Without
// stretching, assigning a picture gives the control the picture's natural size (15 twips
// a pixel). It never takes the focus; a click on it raises Click.

#include "tallyard_intrinsics_export.h"
#include "platform/forms/StyledControl.h"

#include <QImage>
#include <QPixmap>

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
    // The file the picture came from; empty when there is none. Setting a path loads it
    // (again, even when it is the same path); an empty path, a missing file or a file that
    // is no readable picture leaves the image without a picture. Never throws.
    QString Picture() const { return m_path; }
    void setPicture(const QString &path);
    // A picture that comes from no file (a resource, a generated picture).
    void setPictureImage(const QImage &picture);
    void clearPicture() { setPictureImage(QImage()); }
    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage &pictureImage() const { return m_picture; }
    // The picture's natural size in twips; 0 without a picture.
    double PictureWidth() const { return m_picture.width() * TwipsPerPixel; }
    double PictureHeight() const { return m_picture.height() * TwipsPerPixel; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void takePicture(const QImage &picture, const QString &path);

    QImage m_picture;
    QString m_path;
    QPixmap m_scaled; // the picture stretched to the control, for repaints
    qint16 m_borderStyle = 0;
    bool m_stretch = false;
};

} // namespace tallyard
