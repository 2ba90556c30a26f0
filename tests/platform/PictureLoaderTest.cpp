#include "platform/system/PictureLoader.h"

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

    QString save(const QString &name, const char *format, QSize size = QSize(131, 143))
    {
        QImage image(size, QImage::Format_RGB32);
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
    const QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
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

TEST_F(PictureLoader, APictureClaimingAnEnormousSizeIsRefusedWithoutAllocatingIt)
{
    // A bitmap header announcing 100000 x 100000 pixels of 24 bits, and no pixel data.
    QByteArray bmp = QByteArray::fromHex("424d" "36000000" "00000000" "36000000" "28000000");
    const auto le32 = [](qint32 v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        return b;
    };
    bmp += le32(100000) + le32(100000) + QByteArray::fromHex("0100" "1800") + le32(0) + le32(0) + le32(2835)
        + le32(2835) + le32(0) + le32(0);
    EXPECT_EQ(failure(write(QStringLiteral("huge.bmp"), bmp)), 481);
}

TEST_F(PictureLoader, TheQuietFormGivesNoPictureWhereTheLoaderThrows)
{
    EXPECT_TRUE(loadPictureOrNothing(dir.filePath(QStringLiteral("gone.bmp"))).isNull());
    EXPECT_TRUE(loadPictureOrNothing(write(QStringLiteral("garbage.gif"), "GIF89a nonsense")).isNull());
    EXPECT_FALSE(loadPictureOrNothing(save(QStringLiteral("fine.bmp"), "BMP")).isNull());
}

} // namespace
