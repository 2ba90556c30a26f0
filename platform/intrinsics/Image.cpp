// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/Image.h"

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
    update();
}

void Image::setPicture(const QString &path)
{
    // The board sets its pictures again at every resize: the same file, unchanged, keeps
    // what was read and decoded.
    if (!path.isEmpty() && m_memory.isNull() && path == m_file.path && isUnchanged(m_file)) {
        fitToNaturalSize();
        return;
    }
    takePicture(readPictureFileOrNothing(path), QImage());
}

void Image::setPictureImage(const QImage &picture)
{
    takePicture(PictureFile(), picture);
}

void Image::showPictureOf(const Image &other)
{
    if (other.m_file == m_file && other.m_memory.cacheKey() == m_memory.cacheKey())
        return;
    takePicture(other.m_file, other.m_memory);
}

void Image::takePicture(const PictureFile &file, const QImage &memory)
{
    const bool wasEmpty = !hasPicture();
    m_file = file;
    m_memory = memory;
    m_shown = QImage();
    m_shownFor = QSize();
    fitToNaturalSize();
    if (!(wasEmpty && !hasPicture()))
        update();
}

void Image::fitToNaturalSize()
{
    if (!m_stretch && hasPicture())
        Move(Left(), Top(), PictureWidth(), PictureHeight());
}

QImage Image::render(QSize pixels) const
{
    if (!m_memory.isNull())
        return m_memory.size() == pixels ? m_memory
                                         : m_memory.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    try {
        return decodePicture(m_file, pixels);
    } catch (const RuntimeError &) {
        return QImage();
    }
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (hasPicture()) {
        // Stretched, the picture is decoded at the pixels it covers on the screen.
        const QSize natural = pictureSize();
        const QRectF target = m_stretch ? QRectF(rect()) : QRectF(QPointF(0, 0), QSizeF(natural));
        const QSize pixels = m_stretch ? (QSizeF(size()) * devicePixelRatioF()).toSize() : natural;
        if (!pixels.isEmpty()) {
            if (m_shownFor != pixels) {
                m_shown = render(pixels);
                m_shownFor = pixels;
            }
            if (!m_shown.isNull())
                painter.drawImage(target, m_shown);
        }
    }
    if (m_borderStyle) {
        painter.setPen(resolveColor(syscolor::ButtonShadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace tallyard
