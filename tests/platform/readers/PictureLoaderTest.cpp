// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/readers/PictureLoader.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tallyard;

namespace {

class PictureLoader : public ::testing::Test {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString save(const QString &name, const char *format, QSize size = QSize(131, 143),
                 QImage::Format pixels = QImage::Format_RGB32)
    {
        QImage image(size, pixels);
        image.fill(Qt::darkCyan);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }

    // The error number loadPicture throws for path, 0 when it loads.
    static int failure(const QString &path)
    {
        try {
            loadPicture(path);
            return 0;
        } catch (const RuntimeError &error) {
            return error.number();
        }
    }

    QTemporaryDir dir;
};

TEST_F(PictureLoader, LoadsTheFormatsTheOptionsDialogOffersAtTheirPixelSize)
{
    EXPECT_EQ(loadPicture(save(QStringLiteral("logo.bmp"), "BMP")).size(), QSize(131, 143));
    EXPECT_EQ(loadPicture(save(QStringLiteral("team.jpg"), "JPG", QSize(64, 48))).size(), QSize(64, 48));
    EXPECT_EQ(loadPicture(save(QStringLiteral("team.png"), "PNG", QSize(3, 2))).size(), QSize(3, 2));
    // The smallest GIF: one transparent pixel.
    const QByteArray gif
        = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
    EXPECT_EQ(loadPicture(write(QStringLiteral("dot.gif"), gif)).size(), QSize(1, 1));
}

TEST_F(PictureLoader, TheContentDecidesNotTheName)
{
    const QString png = save(QStringLiteral("real.png"), "PNG", QSize(5, 7));
    const QString renamed = dir.filePath(QStringLiteral("looks-like.bmp"));
    ASSERT_TRUE(QFile::copy(png, renamed));
    EXPECT_EQ(loadPicture(renamed).size(), QSize(5, 7));
}

TEST_F(PictureLoader, NoPathMeansNoPicture)
{
    EXPECT_TRUE(loadPicture(QString()).isNull());
}

TEST_F(PictureLoader, AMissingFileAndAFileThatIsNoPictureAreTheirOwnErrors)
{
    EXPECT_EQ(failure(dir.filePath(QStringLiteral("gone.bmp"))), 53);
    EXPECT_EQ(failure(write(QStringLiteral("garbage.bmp"), "BM\x10\x00 not really a bitmap, just bytes")), 481);
    EXPECT_EQ(failure(write(QStringLiteral("empty.jpg"), QByteArray())), 481);
    EXPECT_EQ(failure(dir.path()), 481);
    // A picture cut short in its data.
    QFile png(save(QStringLiteral("whole.png"), "PNG", QSize(200, 200)));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_EQ(failure(write(QStringLiteral("cut.png"), png.read(60))), 481);
    EXPECT_THROW(loadPicture(dir.filePath(QStringLiteral("gone.gif"))), FileNotFound);
    EXPECT_THROW(loadPicture(dir.filePath(QStringLiteral("garbage.bmp"))), InvalidPicture);
}

TEST_F(PictureLoader, APictureClaimingAnEnormousSizeIsRefusedFromItsHeaderWithoutDecoding)
{
    const auto le = [](qint32 v, int bytes) {
        QByteArray b(bytes, '\0');
        for (int i = 0; i < bytes; ++i)
            b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        return b;
    };
    const auto be32 = [](quint32 v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = static_cast<char>((v >> (8 * (3 - i))) & 0xFF);
        return b;
    };
    // A PNG header (its IHDR with a valid CRC) declaring width x height, and no pixel data.
    const auto png = [&](quint32 width, quint32 height) {
        const QByteArray ihdr = "IHDR" + be32(width) + be32(height) + QByteArray::fromHex("0802000000");
        quint32 crc = 0xFFFFFFFF;
        for (const char byte : ihdr) {
            crc ^= static_cast<quint8>(byte);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
        return QByteArray::fromHex("89504e470d0a1a0a") + be32(13) + ihdr + be32(~crc);
    };
    const std::pair<const char *, QByteArray> bombs[] = {
        {"bmp 100000 x 100000",
         QByteArray::fromHex("424d"
                             "36000000"
                             "00000000"
                             "36000000"
                             "28000000")
             + le(100000, 4) + le(100000, 4)
             + QByteArray::fromHex("0100"
                                   "1800")
             + le(0, 4) + le(0, 4) + le(2835, 4) + le(2835, 4) + le(0, 4) + le(0, 4)},
        {"png 60000 x 60000", png(60000, 60000)},
        {"png one row past the limit", png(8192, 8193)},
        {"gif 60000 x 60000",
         "GIF89a" + le(60000, 2) + le(60000, 2) + QByteArray::fromHex("000000") + "," + le(0, 2) + le(0, 2)
             + le(60000, 2) + le(60000, 2) + QByteArray::fromHex("00020144003b")},
    };
    for (const auto &[what, bytes] : bombs) {
        const qint64 decodes = pictureCacheStats().decodes;
        EXPECT_EQ(failure(write(QStringLiteral("bomb"), bytes)), 481) << what;
        EXPECT_EQ(pictureCacheStats().decodes, decodes) << what;
    }
}

TEST_F(PictureLoader, PhotosOfAnySizeWithinTheLimitDecodeAtTheSizeAskedOncePerVersionAndSize)
{
    struct Case {
        QSize natural;
        QSize box;
    };
    const Case cases[] = {
        {QSize(3024, 4032), QSize(61, 81)}, {QSize(4032, 3024), QSize(81, 61)}, {QSize(8000, 6000), QSize(400, 300)}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.natural.width() << " x " << c.natural.height());
        const QString path = save(QStringLiteral("photo.jpg"), "JPG", c.natural, QImage::Format_Grayscale8);
        const PictureFile file = readPictureFile(path);
        EXPECT_EQ(file.size, c.natural);
        const qint64 decodes = pictureCacheStats().decodes;
        for (int shown = 0; shown < 3; ++shown)
            EXPECT_EQ(decodePicture(file, c.box).size(), c.box);
        EXPECT_EQ(pictureCacheStats().decodes, decodes + 1);
        EXPECT_EQ(decodePicture(file, c.box * 2).size(), c.box * 2);
        EXPECT_EQ(pictureCacheStats().decodes, decodes + 2);
    }
}

TEST_F(PictureLoader, AnEditedFileIsReadAgainUnderTheSamePath)
{
    const QString path = save(QStringLiteral("team.png"), "PNG", QSize(20, 10));
    const PictureFile before = readPictureFile(path);
    ASSERT_EQ(decodePicture(before).size(), QSize(20, 10));
    ASSERT_TRUE(isUnchanged(before));
    save(QStringLiteral("team.png"), "PNG", QSize(40, 10));
    QFile edited(path);
    ASSERT_TRUE(edited.open(QIODevice::ReadWrite));
    ASSERT_TRUE(edited.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    edited.close();
    EXPECT_FALSE(isUnchanged(before));
    EXPECT_EQ(loadPicture(path).size(), QSize(40, 10));
}

TEST_F(PictureLoader, APhotosOrientationTagTurnsItUprightAtAnySize)
{
    // 30 x 20 as stored, its left third blue, tagged "turn a quarter clockwise" (EXIF 6).
    QImage stored(30, 20, QImage::Format_RGB32);
    stored.fill(Qt::red);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x)
            stored.setPixel(x, y, qRgb(0, 0, 255));
    QByteArray jpg;
    QBuffer buffer(&jpg);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && stored.save(&buffer, "JPG"));
    const QByteArray exif = QByteArray("Exif\0\0", 6)
        + QByteArray::fromHex("4d4d002a00000008"
                              "0001"
                              "011200030000000100060000"
                              "00000000");
    jpg.insert(2, QByteArray::fromHex("ffe1") + char(0) + char(exif.size() + 2) + exif);
    const PictureFile file = readPictureFile(write(QStringLiteral("turned.jpg"), jpg));
    EXPECT_EQ(file.size, QSize(20, 30));
    const auto blue = [](QRgb pixel) { return qBlue(pixel) > 200 && qRed(pixel) < 80; };
    for (const QSize pixels : {QSize(), QSize(10, 15), QSize(40, 60)}) {
        const QImage upright = decodePicture(file, pixels);
        ASSERT_EQ(upright.size(), pixels.isEmpty() ? file.size : pixels);
        // The blue third on top, red below it.
        EXPECT_TRUE(blue(upright.pixel(upright.width() / 2, 1))) << pixels.width();
        EXPECT_FALSE(blue(upright.pixel(upright.width() / 2, upright.height() - 2))) << pixels.width();
    }
}

TEST_F(PictureLoader, TheQuietFormGivesNoPictureWhereTheLoaderThrows)
{
    EXPECT_TRUE(loadPictureOrNothing(dir.filePath(QStringLiteral("gone.bmp"))).isNull());
    EXPECT_TRUE(loadPictureOrNothing(write(QStringLiteral("garbage.gif"), "GIF89a nonsense")).isNull());
    EXPECT_FALSE(loadPictureOrNothing(save(QStringLiteral("fine.bmp"), "BMP")).isNull());
}

} // namespace
