// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/readers/PictureLoader.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <list>

namespace tallyard {

namespace {

// Enough for the board's two pictures at two sizes, the audience's copies and the Options
// previews; the bytes bound keeps a picture box's full-size photo from lingering here.
constexpr int CacheEntries = 8;
constexpr qint64 CacheBytes = 32 * 1024 * 1024;

struct CacheKey {
    PictureFile file;
    QSize pixels;
    bool operator==(const CacheKey &) const = default;
};

struct CacheEntry {
    CacheKey key;
    QImage image; // null: the decoder failed on this version of the file
};

struct Cache {
    std::list<CacheEntry> recent; // the most recently used first
    qint64 bytes = 0;
    qint64 decodes = 0;
    qint64 hits = 0;
};

Cache &cache()
{
    static Cache theCache;
    return theCache;
}

bool withinLimit(QSize size)
{
    return size.width() > 0 && size.height() > 0 && qint64(size.width()) * size.height() <= MaxPicturePixels;
}

void configure(QImageReader &reader)
{
    // A picture renamed to another extension still loads; garbage under a picture's name
    // is refused by every decoder instead of one.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImageReader::setAllocationLimit(MaxPictureMegabytes);
}

// A size given upright, as the file stores it: a quarter turn swaps the sides.
QSize stored(QSize upright, QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90) ? upright.transposed() : upright;
}

QSize withinLimitInProportion(QSize pixels)
{
    if (withinLimit(pixels))
        return pixels;
    const double f = std::sqrt(double(MaxPicturePixels) / (double(pixels.width()) * pixels.height()));
    return QSize(std::max(1, int(pixels.width() * f)), std::max(1, int(pixels.height() * f)));
}

QImage decodeUncached(const PictureFile &file, QSize pixels)
{
    QImageReader reader(file.path);
    configure(reader);
    const QSize declared = reader.size();
    if (declared.isValid()) {
        // The file may have changed since its header was read: check again before decoding.
        if (!withinLimit(declared))
            return QImage();
        const QSize scaled = stored(pixels, reader.transformation());
        if (scaled != declared)
            reader.setScaledSize(scaled);
    }
    QImage image = reader.read();
    if (!image.isNull() && image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

void remember(Cache &c, const CacheKey &key, const QImage &image)
{
    const qint64 size = image.sizeInBytes();
    if (size > CacheBytes)
        return;
    c.recent.push_front({key, image});
    c.bytes += size;
    while (int(c.recent.size()) > CacheEntries || c.bytes > CacheBytes) {
        c.bytes -= c.recent.back().image.sizeInBytes();
        c.recent.pop_back();
    }
}

} // namespace

PictureFile readPictureFile(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.exists())
        throw FileNotFound();
    if (!info.isFile() || info.size() == 0)
        throw InvalidPicture();
    PictureFile file{path, info.lastModified().toMSecsSinceEpoch(), info.size(), QSize(0, 0)};
    QImageReader reader(path);
    configure(reader);
    const QSize declared = reader.size();
    if (declared.isValid()) {
        file.size = stored(declared, reader.transformation());
    } else {
        // A format that tells its size only by decoding: decode it, within the allocation limit.
        file.size = reader.read().size();
    }
    if (!withinLimit(file.size))
        throw InvalidPicture();
    return file;
}

PictureFile readPictureFileOrNothing(const QString &path)
{
    try {
        return readPictureFile(path);
    } catch (const RuntimeError &) {
        return {};
    }
}

bool isUnchanged(const PictureFile &file)
{
    const QFileInfo info(file.path);
    return info.isFile() && info.size() == file.bytes && info.lastModified().toMSecsSinceEpoch() == file.modified;
}

QImage decodePicture(const PictureFile &file, QSize pixels)
{
    if (file.isNull())
        throw InvalidPicture();
    const CacheKey key{file, withinLimitInProportion(pixels.isEmpty() ? file.size : pixels)};
    Cache &c = cache();
    const auto found
        = std::find_if(c.recent.begin(), c.recent.end(), [&](const CacheEntry &e) { return e.key == key; });
    QImage image;
    if (found != c.recent.end()) {
        ++c.hits;
        c.recent.splice(c.recent.begin(), c.recent, found);
        image = c.recent.front().image;
    } else {
        ++c.decodes;
        image = decodeUncached(file, key.pixels);
        remember(c, key, image);
    }
    if (image.isNull())
        throw InvalidPicture();
    return image;
}

QImage loadPicture(const QString &path)
{
    const PictureFile file = readPictureFile(path);
    return file.isNull() ? QImage() : decodePicture(file);
}

QImage loadPictureOrNothing(const QString &path)
{
    try {
        return loadPicture(path);
    } catch (const RuntimeError &) {
        return QImage();
    }
}

PictureCacheStats pictureCacheStats()
{
    const Cache &c = cache();
    return {c.decodes, c.hits, int(c.recent.size()), c.bytes};
}

void clearPictureCache()
{
    Cache &c = cache();
    c.recent.clear();
    c.bytes = 0;
}

} // namespace tallyard
