// Picture loading on any file: the loader gives no picture or a picture within the size
// limit, whatever the bytes; it never crashes. The bytes are written to a file because the
// loader, like the picture properties, takes a path.

#include "fuzz/FuzzSupport.h"
#include "platform/system/PictureLoader.h"

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
    const QImage image = tallyard::loadPictureOrNothing(path);
    if (!image.isNull()) {
        check(image.width() >= 1 && image.width() <= tallyard::MaxPictureSide, "a picture's width within the limit");
        check(image.height() >= 1 && image.height() <= tallyard::MaxPictureSide, "a picture's height within the limit");
    }
    return 0;
}
