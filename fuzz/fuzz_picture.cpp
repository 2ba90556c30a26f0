// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// Picture loading on any file: the loader's header gives no picture or a natural size within
// the limit, and a decode gives no picture or one of the size asked, whatever the bytes; it
// never crashes. The bytes are written to a file because the loader, like the picture
// properties, takes a path.

#include "fuzz/FuzzSupport.h"
#include "platform/readers/PictureLoader.h"

#include <QFile>
#include <QTemporaryDir>

using tallyard::fuzz::check;

namespace {

QString picturePath()
{
    static QTemporaryDir folder; // removed with its file at exit
    return folder.filePath(QStringLiteral("picture"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    tallyard::fuzz::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = picturePath();
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the temporary picture file opens");
        check(file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) == static_cast<qint64>(size),
              "the temporary picture file is written");
    }
    // The same path holds every input: what was decoded for an earlier one must not answer.
    tallyard::clearPictureCache();
    const tallyard::PictureFile file = tallyard::readPictureFileOrNothing(path);
    if (file.isNull())
        return 0;
    check(qint64(file.size.width()) * file.size.height() <= tallyard::MaxPicturePixels,
          "a picture's natural size within the limit");
    // As the board decodes it: at the size of its box, then at its natural size.
    for (const QSize pixels : {QSize(81, 61), QSize()}) {
        try {
            const QImage image = tallyard::decodePicture(file, pixels);
            check(image.size() == (pixels.isEmpty() ? file.size : pixels), "a picture decoded at the size asked");
        } catch (const tallyard::InvalidPicture &) {
        }
    }
    return 0;
}
