// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "tests/platform/intrinsics/IntrinsicsFixture.h"

#include "platform/intrinsics/Image.h"

using namespace tallyard;
using namespace tallyard::test;

namespace {

class Images : public Intrinsics { };

TEST_F(Images, AnImageTakesItsPicturesNaturalSizeUnlessStretched)
{
    QTemporaryDir dir;
    const QString path = writePicture(dir, QStringLiteral("home.png"), twoColourPicture(), "PNG");
    auto *image = add<Image>("VB.Image", nullptr, 30, 45, 735, 1095);
    setPropertyByName(image, u"Picture", path);
    EXPECT_EQ(getPropertyByName(image, u"PictureWidth").toDouble(), 300.0);
    EXPECT_EQ(getPropertyByName(image, u"PictureHeight").toDouble(), 150.0);
    EXPECT_EQ(image->Width(), 300.0);
    EXPECT_EQ(image->Height(), 150.0);
    EXPECT_EQ(image->Left(), 30.0);
    EXPECT_EQ(image->Picture(), path);

    // Stretched, the picture fills whatever size the control is given.
    setPropertyByName(image, u"Stretch", true);
    image->Move(0, 0, 1200, 300);
    EXPECT_EQ(image->Width(), 1200.0);
    const QImage shot = image->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(80, 20));
    EXPECT_EQ(QColor(shot.pixel(2, 10)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(77, 10)), QColor(Qt::blue));
    EXPECT_EQ(image->shownImage().size(), QSize(80, 20)); // decoded at the size shown
    // Switching stretching off keeps the size until the next picture.
    image->setStretch(false);
    EXPECT_EQ(image->Width(), 1200.0);
    image->setPicture(path);
    EXPECT_EQ(image->Width(), 300.0);
    // A picture from memory shows and sizes the image the same way.
    image->setPictureImage(twoColourPicture().scaled(40, 10));
    EXPECT_EQ(image->Picture(), QString());
    EXPECT_EQ(image->Width(), 600.0);
    EXPECT_EQ(QColor(image->grab().toImage().pixel(38, 5)), QColor(Qt::blue));

    image->clearPicture();
    EXPECT_FALSE(image->hasPicture());
    EXPECT_EQ(image->PictureWidth(), 0.0);
    EXPECT_EQ(image->Picture(), QString());
}

} // namespace
