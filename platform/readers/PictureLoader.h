// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Pictures for images and picture boxes, loaded from files the operator chose: whatever
// the file holds, loading either gives a usable picture or throws; it never crashes and
// never allocates without bound.
//
// A picture is read in two steps: its header (the natural size, cheap), then its pixels,
// decoded at the size it is shown. A phone photo shown in a small box is decoded small
// (JPEG decodes straight to a reduced size), and the few most recent decodes are kept, so
// a board resized again and again decodes each picture once per size, not once per resize.
// For the user-interface thread only.

#include "tallyard_readers_export.h"
#include "platform/core/Values.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace tallyard {

class TALLYARD_READERS_EXPORT FileNotFound : public RuntimeError {
public:
    FileNotFound() : RuntimeError(53, "File not found") { }
};

class TALLYARD_READERS_EXPORT InvalidPicture : public RuntimeError {
public:
    InvalidPicture() : RuntimeError(481, "Invalid picture") { }
};

// The most memory one decoded picture may take. A picture whose natural size would take
// more at 32 bits a pixel (8192 x 8192, or 8000 x 6000 and any phone photo below it) is
// refused from its header, before a pixel is decoded: a few kilobytes may declare
// gigabytes. The decoder itself refuses to allocate beyond the same limit.
inline constexpr int MaxPictureMegabytes = 256;
inline constexpr qint64 MaxPicturePixels = qint64(MaxPictureMegabytes) * 1024 * 1024 / 4;

// A picture file as its header describes it, and which version of the file that was.
struct TALLYARD_READERS_EXPORT PictureFile {
    QString path;
    qint64 modified = 0; // milliseconds since the epoch
    qint64 bytes = 0;
    QSize size{0, 0}; // natural size in pixels, upright (the orientation tag applied)

    bool isNull() const { return size.isEmpty(); }
    bool operator==(const PictureFile &) const = default;
};

// The header of the picture in the file at path (bmp, gif, jpg, png, ico; the content
// decides, not the name). An empty path gives a null PictureFile: no picture. Throws
// FileNotFound when no file has that name, InvalidPicture when the file is not a readable
// picture (empty, damaged header, unknown format, a zero dimension, beyond the limit).
TALLYARD_READERS_EXPORT PictureFile readPictureFile(const QString &path);
// The same, giving a null PictureFile where readPictureFile throws.
TALLYARD_READERS_EXPORT PictureFile readPictureFileOrNothing(const QString &path);
// Whether the file still has the modification time and size it had when read: a stat,
// no read. A file rewritten within the same millisecond at the same length goes unseen.
TALLYARD_READERS_EXPORT bool isUnchanged(const PictureFile &file);

// The picture of file decoded at pixels (upright; stretched to exactly that size), or at
// its natural size when pixels is empty. A request beyond the limit is decoded smaller,
// in proportion. Served from the recent decodes when the same version of the file was
// decoded at that size. Throws InvalidPicture when the pixels cannot be decoded.
TALLYARD_READERS_EXPORT QImage decodePicture(const PictureFile &file, QSize pixels = QSize());

// The picture in the file at path at its natural size: readPictureFile, then
// decodePicture. An empty path gives a null image.
TALLYARD_READERS_EXPORT QImage loadPicture(const QString &path);
// The same, giving no picture (a null image) where loadPicture throws: how the picture
// properties load, so that a bad file leaves a control empty and the form running.
TALLYARD_READERS_EXPORT QImage loadPictureOrNothing(const QString &path);

// What the recent decodes hold and how often the decoder ran, for tests and diagnostics.
struct PictureCacheStats {
    qint64 decodes = 0; // decoder runs since start (a request served from the cache is none)
    qint64 hits = 0;
    int entries = 0;
    qint64 bytes = 0;
};
TALLYARD_READERS_EXPORT PictureCacheStats pictureCacheStats();
TALLYARD_READERS_EXPORT void clearPictureCache();

} // namespace tallyard
