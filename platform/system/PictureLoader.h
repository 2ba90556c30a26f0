#pragma once
// Pictures for images and picture boxes, loaded from files the operator chose: whatever
// the file holds, loading either gives a usable picture or throws; it never crashes and
// never allocates without bound.

#include "tallyard_system_export.h"
#include "platform/core/Values.h"

#include <QImage>
#include <QString>

namespace tallyard {

class TALLYARD_SYSTEM_EXPORT FileNotFound : public RuntimeError {
public:
    FileNotFound() : RuntimeError(53, "File not found") {}
};

class TALLYARD_SYSTEM_EXPORT InvalidPicture : public RuntimeError {
public:
    InvalidPicture() : RuntimeError(481, "Invalid picture") {}
};

// The largest picture loaded, in pixels along either side.
inline constexpr int MaxPictureSide = 16384;
// The most memory one decoded picture may take.
inline constexpr int MaxPictureMegabytes = 256;

// The picture in the file at path (bmp, gif, jpg, png, ico; the content decides, not the
// name; a photo's orientation tag is applied). An empty path gives a null image: no
// picture. Throws FileNotFound when no file has that name, InvalidPicture when the file is
// not a readable picture (empty, damaged, unknown format, a zero or too large dimension).
TALLYARD_SYSTEM_EXPORT QImage loadPicture(const QString &path);

// The same, giving no picture (a null image) where loadPicture throws: how the picture
// properties load, so that a bad file leaves a control empty and the form running.
TALLYARD_SYSTEM_EXPORT QImage loadPictureOrNothing(const QString &path);

} // namespace tallyard
