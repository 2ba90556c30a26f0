#include "platform/system/PictureLoader.h"

#include <QFileInfo>
#include <QImageReader>

namespace tallyard {

QImage loadPicture(const QString &path)
{
    if (path.isEmpty())
        return QImage();
    const QFileInfo info(path);
    if (!info.exists())
        throw FileNotFound();
    if (!info.isFile() || info.size() == 0)
        throw InvalidPicture();
    QImageReader reader(path);
    // A picture renamed to another extension still loads; garbage under a picture's name
    // is refused by every decoder instead of one.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // A few kilobytes may declare a picture of gigabytes: the decoder refuses to allocate
    // beyond this, whatever the header claims.
    reader.setAllocationLimit(MaxPictureMegabytes);
    const QSize declared = reader.size();
    if (declared.isValid()
        && (declared.width() > MaxPictureSide || declared.height() > MaxPictureSide))
        throw InvalidPicture();
    const QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0 || image.width() > MaxPictureSide
        || image.height() > MaxPictureSide)
        throw InvalidPicture();
    return image;
}

QImage loadPictureOrNothing(const QString &path)
{
    try {
        return loadPicture(path);
    } catch (const RuntimeError &) {
        return QImage();
    }
}

} // namespace tallyard
