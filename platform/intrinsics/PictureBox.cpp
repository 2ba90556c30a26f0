// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/PictureBox.h"

#include "platform/readers/PictureLoader.h"

#include <QPainter>

namespace tallyard {

PictureBox::PictureBox(QWidget *parent) : StyledControl(parent, syscolor::ButtonFace, syscolor::ButtonText)
{
    setFocusable(true);
    Move(0, 0, 1215, 1215);
}

void PictureBox::setBorderStyle(qint16 style)
{
    checkPropertyRange(style, NoBorder, FixedSingle);
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void PictureBox::setAutoSize(bool autoSize)
{
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    if (m_autoSize && !m_picture.isNull())
        Move(Left(), Top(), PictureWidth(), PictureHeight());
}

void PictureBox::setPicture(const QString &path)
{
    const QImage picture = loadPictureOrNothing(path);
    takePicture(picture, picture.isNull() ? QString() : path);
}

void PictureBox::setPictureImage(const QImage &picture)
{
    takePicture(picture, QString());
}

void PictureBox::takePicture(const QImage &picture, const QString &path)
{
    const bool wasEmpty = m_picture.isNull();
    m_picture = picture;
    m_path = path;
    if (m_autoSize && !m_picture.isNull())
        Move(Left(), Top(), PictureWidth(), PictureHeight());
    if (!(wasEmpty && m_picture.isNull()))
        update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    if (!m_picture.isNull())
        painter.drawImage(0, 0, m_picture);
    if (m_borderStyle == FixedSingle) {
        painter.setPen(resolveColor(syscolor::ButtonShadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace tallyard
