#include "platform/intrinsics/Image.h"

#include "platform/system/PictureLoader.h"

#include <QPainter>

namespace tallyard {

Image::Image(QWidget *parent) : IntrinsicControl(parent)
{
    Move(0, 0, 735, 1095);
}

void Image::setBorderStyle(qint16 style)
{
    checkPropertyRange(style, 0, 1);
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void Image::setStretch(bool stretch)
{
    if (stretch == m_stretch)
        return;
    m_stretch = stretch;
    m_scaled = QPixmap();
    update();
}

void Image::setPicture(const QString &path)
{
    const QImage picture = loadPictureOrNothing(path);
    takePicture(picture, picture.isNull() ? QString() : path);
}

void Image::setPictureImage(const QImage &picture)
{
    takePicture(picture, QString());
}

void Image::takePicture(const QImage &picture, const QString &path)
{
    const bool wasEmpty = m_picture.isNull();
    m_picture = picture;
    m_path = path;
    m_scaled = QPixmap();
    if (!m_stretch && !m_picture.isNull())
        Move(Left(), Top(), PictureWidth(), PictureHeight());
    if (!(wasEmpty && m_picture.isNull()))
        update();
}

void Image::resizeEvent(QResizeEvent *event)
{
    IntrinsicControl::resizeEvent(event);
    m_scaled = QPixmap();
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        if (m_stretch) {
            const qreal ratio = devicePixelRatioF();
            const QSize device = (QSizeF(size()) * ratio).toSize();
            if (!device.isEmpty() && m_scaled.size() != device) {
                m_scaled = QPixmap::fromImage(
                    m_picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                m_scaled.setDevicePixelRatio(ratio);
            }
            painter.drawPixmap(0, 0, m_scaled);
        } else {
            painter.drawImage(0, 0, m_picture);
        }
    }
    if (m_borderStyle) {
        painter.setPen(resolveColor(syscolor::ButtonShadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace tallyard
