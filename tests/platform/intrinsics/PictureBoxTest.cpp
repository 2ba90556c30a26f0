// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/PictureBox.h"

#include <QFile>

using namespace tallyard;
using namespace tallyard::test;

namespace {

class PictureBoxes : public Intrinsics { };

TEST_F(PictureBoxes, AFileThatIsNoPictureLeavesTheControlEmptyAndTheFormRunning)
{
    QTemporaryDir dir;
    const QString good = writePicture(dir, QStringLiteral("good.png"), twoColourPicture(), "PNG");
    QFile garbage(dir.filePath(QStringLiteral("garbage.bmp")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("BM this is not a bitmap at all \x01\x02\x03");
    garbage.close();
    QFile empty(dir.filePath(QStringLiteral("empty.jpg")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    auto *image = add<Image>("VB.Image", nullptr, 0, 0, 735, 1095);
    auto *box = add<PictureBox>("VB.PictureBox", nullptr, 0, 0, 1215, 1215);
    for (const QString &bad :
         {garbage.fileName(), empty.fileName(), dir.filePath(QStringLiteral("missing.gif")), dir.path()}) {
        SCOPED_TRACE(bad.toStdString());
        image->setPicture(good);
        box->setPicture(good);
        ASSERT_TRUE(image->hasPicture() && box->hasPicture());
        EXPECT_NO_THROW(setPropertyByName(image, u"Picture", bad));
        EXPECT_NO_THROW(setPropertyByName(box, u"Picture", bad));
        EXPECT_FALSE(image->hasPicture());
        EXPECT_FALSE(box->hasPicture());
        EXPECT_EQ(getPropertyByName(image, u"PictureHeight").toDouble(), 0.0);
        EXPECT_EQ(image->Picture(), QString());
        EXPECT_FALSE(image->grab().isNull());
    }
}

TEST_F(PictureBoxes, APictureBoxHoldsControlsInItsOwnTwipsAndShowsItsPictureInTheCorner)
{
    QTemporaryDir dir;
    const QString path = writePicture(dir, QStringLiteral("logo.bmp"), twoColourPicture(), "BMP");
    auto *box = add<PictureBox>("VB.PictureBox", nullptr, 1500, 1500, 1200, 600, "BorderStyle = 0\nBackColor = 0");
    auto *inside = add<Image>("VB.Image", box, 150, 300, 300, 150);
    EXPECT_EQ(inside->Container(), box);
    EXPECT_EQ(inside->geometry(), QRect(10, 20, 20, 10));
    box->setPicture(path);
    EXPECT_EQ(box->PictureWidth(), 300.0);
    EXPECT_EQ(box->Width(), 1200.0); // no AutoSize
    const QImage shot = box->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(1, 1)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(15, 5)), QColor(Qt::blue));
    EXPECT_EQ(QColor(shot.pixel(40, 30)), QColor(Qt::black));
    box->setAutoSize(true);
    EXPECT_EQ(box->Width(), 300.0);
    EXPECT_EQ(box->Height(), 150.0);
}

} // namespace
