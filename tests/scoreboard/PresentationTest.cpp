// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// What the hall sees of the board: the selection outline, the colours and digit style, the
// team pictures fitted into their boxes, the buzzer, and the layout at any window size.
#include "tests/scoreboard/BoardFixture.h"

#include "platform/forms/ControlRegistry.h"
#include "platform/intrinsics/Image.h"
#include "platform/intrinsics/MMControl.h"
#include "platform/readers/PictureLoader.h"
#include "scoreboard/forms/frmOptions.h"
#include "scoreboard/modules/modStretch.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSignalSpy>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace tallyard;
using tallyard::test::BoardTest;

namespace {

QRectF box(const Control *c)
{
    return QRectF(c->Left(), c->Top(), c->Width(), c->Height());
}

// ---- Selection outline ------------------------------------------------------------------

TEST_F(BoardTest, TheOutlineFramesTheSelectedDisplayByTheSetWidth)
{
    struct Case {
        int16_t width;
        QRectF frame; // around an element at 120, 5640, 3000 x 1065
    };
    const Case cases[] = {{3, QRectF(75, 5595, 3105, 1170)}, {0, QRectF(120, 5640, 3015, 1080)}};
    Control *element = board->picHomePicContainer;
    element->Move(120, 5640, 3000, 1065);
    for (const Case &c : cases) {
        LEDSelectedWidth = c.width;
        board->ObjectSelected(element);
        EXPECT_EQ(box(board->shpObjectSelected), c.frame) << c.width;
        EXPECT_TRUE(board->shpObjectSelected->Visible());
    }
    board->ObjectSelected(nullptr);
    EXPECT_FALSE(board->shpObjectSelected->Visible());
}

TEST_F(BoardTest, TheScoreIsFramedByItsBoxWhicheverHalfTakesTheFocus)
{
    focus(board->nledScoreRight);
    EXPECT_TRUE(board->shpObjectSelected->Visible());
    EXPECT_EQ(box(board->shpObjectSelected).topLeft(), box(board->picScoreBack).topLeft());
    EXPECT_EQ(board->shpObjectSelected->Width(), board->picScoreBack->Width() + 15);
}

TEST_F(BoardTest, AfterAResizeTheOutlineWaitsForTheNextFocusChange)
{
    focus(board->tledRoutine);
    ASSERT_TRUE(board->shpObjectSelected->Visible());
    board->setClientSize(12000, 9000);
    QCoreApplication::processEvents();
    EXPECT_FALSE(board->shpObjectSelected->Visible());
    press(Qt::Key_5);
    EXPECT_FALSE(board->shpObjectSelected->Visible());
    focus(board->tledFall);
    EXPECT_TRUE(board->shpObjectSelected->Visible());
    EXPECT_EQ(board->shpObjectSelected->Left(), board->tledFall->Left());
}

// ---- Colours and digit style ----------------------------------------------------------------

TEST_F(BoardTest, TheLEDBackgroundColourReachesEveryLEDBoxAndBorderButNotThePictures)
{
    ColorLEDBack = 0x203040;
    ColorFormBack = 0x101010;
    const int before = qobject_cast<quellin::TimeLED *>(board->tledWarmUp)->cell(0)->paintCount();
    board->UpdateFormColors();
    for (Control *led : {board->nledGymnastNum, board->nledScoreLeft, board->nledScoreRight, board->tledRoutine,
                         board->tledFall, board->tledWarmUp})
        EXPECT_EQ(variantToInt32(getPropertyByName(led, u"BackColor")), 0x203040) << led->Name().toStdString();
    EXPECT_EQ(variantToInt32(getPropertyByName(board->picScoreBack, u"BackColor")), 0x203040);
    for (Control *shape : {board->shpScore, board->shpObjectSelected})
        EXPECT_EQ(variantToInt32(getPropertyByName(shape, u"BorderColor")), 0x203040);
    for (Control *pictureBox : {board->picHomePicContainer, board->picVisitorPicContainer})
        EXPECT_EQ(variantToInt32(getPropertyByName(pictureBox, u"BackColor")), 0x101010);
    // The new colour is seen: the displays paint again.
    EXPECT_TRUE(
        waitUntil([&] { return qobject_cast<quellin::TimeLED *>(board->tledWarmUp)->cell(0)->paintCount() > before; }));
}

TEST_F(BoardTest, DotsTurnEveryLEDDisplayToLamps)
{
    DigitLEDType = led::CircleLED;
    board->UpdateFormColors();
    for (Control *led : {board->nledGymnastNum, board->nledScoreLeft, board->nledScoreRight, board->tledRoutine,
                         board->tledFall, board->tledWarmUp})
        EXPECT_EQ(variantToInt32(getPropertyByName(led, u"LedType")), led::CircleLED) << led->Name().toStdString();
    auto *fall = qobject_cast<quellin::TimeLED *>(board->tledFall);
    for (int i = 0; i < fall->cellCount(); ++i)
        EXPECT_EQ(fall->cell(i)->LedType(), led::CircleLED);
}

// ---- Pictures --------------------------------------------------------------------------------

// A plain picture of pixels in dir (a plain fill keeps even a phone-sized JPEG small).
QString savePicture(const QTemporaryDir &dir, const char *name, QSize pixels)
{
    QImage picture(pixels, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(picture.save(path));
    return path;
}

// Whether image shows a picture decoded at the pixels it covers, not at the file's size.
void expectDecodedAtItsOwnSize(Control *image)
{
    const QImage shot = image->grab().toImage();
    const QImage &shown = qobject_cast<Image *>(image)->shownImage();
    EXPECT_EQ(shown.size(), shot.size()) << image->Name().toStdString();
    const QColor centre = shot.pixelColor(shot.width() / 2, shot.height() / 2);
    const QColor fill(Qt::darkGreen);
    EXPECT_LE(std::abs(centre.red() - fill.red()) + std::abs(centre.green() - fill.green())
                  + std::abs(centre.blue() - fill.blue()),
              12)
        << image->Name().toStdString(); // JPEG may shift a plain fill slightly
}

// A picture box of 1215 x 1215 twips with an image in it, as the board's boxes are built.
class PictureFit : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerProgramControls();
        container.reset(createControl(QStringLiteral("VB.PictureBox"), nullptr));
        container->Move(0, 0, 1215, 1215);
        image = createControl(QStringLiteral("VB.Image"), container.get());
    }

    QString picture(const char *name, QSize pixels) { return savePicture(dir, name, pixels); }
    QString file(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    bool showsPicture() const { return variantToDouble(getPropertyByName(image, u"PictureWidth")) > 0; }

    QTemporaryDir dir;
    std::unique_ptr<Control> container;
    Control *image = nullptr;
};

// CRC-32 of PNG chunks, to write a header that claims what a test wants.
uint32_t crc32(const QByteArray &bytes)
{
    uint32_t crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<uint8_t>(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// A small PNG whose header declares 30000 x 30000 pixels: a decompression bomb.
QByteArray pngBomb()
{
    QImage small(64, 64, QImage::Format_RGB32);
    small.fill(Qt::white);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "PNG");
    const auto be32 = [](uint32_t v) {
        const char bytes[]
            = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
        return QByteArray(bytes, 4);
    };
    // Signature (8), IHDR length (4), then "IHDR", width and height at 16 and 20.
    png.replace(16, 8, be32(30000) + be32(30000));
    png.replace(29, 4, be32(crc32(png.mid(12, 17))));
    return png;
}

TEST_F(PictureFit, APictureFillsItsBoxOneWayAndIsCentredTheOther)
{
    struct Case {
        const char *file;
        QSize pixels;
        QRectF placed;
    };
    const Case cases[] = {
        {"wide.png", QSize(200, 100), QRectF(0, 303.75, 1215, 607.5)}, // landscape 3000 x 1500 twips
        {"tall.png", QSize(100, 200), QRectF(303.75, 0, 607.5, 1215)}, // portrait, 1 : 2
        {"square.png", QSize(81, 81), QRectF(0, 0, 1215, 1215)},
        // Phone photos, far taller than 16 bits of twips hold.
        {"phone.jpg", QSize(3024, 4032), QRectF(151.875, 0, 911.25, 1215)},
        {"phone-landscape.jpg", QSize(4032, 3024), QRectF(0, 151.875, 1215, 911.25)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        modStretch::FitPicture(image, container.get(), picture(c.file, c.pixels));
        EXPECT_EQ(box(image), c.placed);
        EXPECT_TRUE(image->Visible());
        EXPECT_TRUE(variantToBool(getPropertyByName(image, u"Stretch")));
        expectDecodedAtItsOwnSize(image);
    }
}

TEST_F(PictureFit, APathThatNoLongerExistsKeepsThePicture)
{
    const QString path = picture("team.png", QSize(200, 100));
    modStretch::FitPicture(image, container.get(), path);
    const QRectF placed = box(image);
    QFile::remove(path);
    modStretch::FitPicture(image, container.get(), path);
    EXPECT_TRUE(showsPicture());
    EXPECT_EQ(box(image), placed);
    EXPECT_TRUE(image->Visible());
    modStretch::FitPicture(image, container.get(), QString());
    EXPECT_FALSE(showsPicture());
}

TEST_F(PictureFit, AFileThatCannotBeShownLeavesTheBoxEmpty)
{
    const std::pair<const char *, QString> bad[] = {
        {"corrupt", file("corrupt.png", QByteArray("\x89PNG\r\n\x1a\nthis is no picture", 26))},
        {"empty", file("empty.png", QByteArray())},
        {"decompression bomb", file("bomb.png", pngBomb())},
    };
    for (const auto &[what, path] : bad) {
        modStretch::FitPicture(image, container.get(), picture("good.png", QSize(20, 10)));
        ASSERT_TRUE(showsPicture());
        modStretch::FitPicture(image, container.get(), path);
        EXPECT_FALSE(showsPicture()) << what;
        EXPECT_TRUE(image->Visible()) << what;
    }
    EXPECT_LT(pngBomb().size(), 4096);
}

// A board whose home picture is a phone's portrait photo and whose visitor picture is the
// same turned to landscape.
class PhonePhotos : public BoardTest {
protected:
    void prepare() override
    {
        HomePic = savePicture(photos, "home.jpg", QSize(3024, 4032));
        VisitorPic = savePicture(photos, "visitor.jpg", QSize(4032, 3024));
    }
    void expectFitted(Control *image, Control *container, double aspect)
    {
        const std::string name = image->Name().toStdString();
        EXPECT_NEAR(image->Width() / image->Height(), aspect, 0.01) << name;
        EXPECT_DOUBLE_EQ(std::max(image->Width() / container->Width(), image->Height() / container->Height()), 1.0)
            << name;
        EXPECT_TRUE(image->Visible()) << name;
        expectDecodedAtItsOwnSize(image);
    }
    QTemporaryDir photos;
};

TEST_F(PhonePhotos, ShowFittedAndDecodeOncePerSizeHoweverOftenTheBoardIsResized)
{
    expectFitted(board->imgHomePic, board->picHomePicContainer, 0.75);
    expectFitted(board->imgVisitorPic, board->picVisitorPicContainer, 4.0 / 3);
    const qint64 decodes = pictureCacheStats().decodes;
    for (int round = 0; round < 5; ++round) {
        for (const QSizeF client : {QSizeF(12000, 9000), QSizeF(18960, 13590)}) {
            board->setClientSize(client.width(), client.height());
            QCoreApplication::processEvents();
            expectFitted(board->imgHomePic, board->picHomePicContainer, 0.75);
            expectFitted(board->imgVisitorPic, board->picVisitorPicContainer, 4.0 / 3);
        }
    }
    EXPECT_EQ(pictureCacheStats().decodes - decodes, 4); // two pictures at two sizes
}

TEST_F(PhonePhotos, TheOptionsPreviewsShowThemFitted)
{
    QPointer<frmOptions> dialog = new frmOptions();
    dialog->Show();
    QCoreApplication::processEvents();
    expectFitted(dialog->imgHomePicPreview, dialog->picHomePicPreviewCon, 0.75);
    expectFitted(dialog->imgVisitorPicPreview, dialog->picVisitorPicPreviewCon, 4.0 / 3);
    delete dialog.data();
}

// ---- Buzzer ------------------------------------------------------------------------------

// A board whose BuzzerFile is empty, or names no file.
class SilentBoard : public BoardTest, public ::testing::WithParamInterface<const char *> {
protected:
    void prepare() override { BuzzerFile = QString::fromLatin1(GetParam()); }
};

TEST_P(SilentBoard, ChimeAndThresholdsStaySilentWithoutError)
{
    auto *buzzer = qobject_cast<MMControl *>(board->mmcBuzzer);
    const int before = board->buzzCount();
    focus(board->picScoreBack);
    press(Qt::Key_C);
    setPropertyByName(board->tkFall, u"TimeSec", 4);
    tick();
    EXPECT_EQ(board->buzzCount(), before + 2); // asked twice, heard never
    EXPECT_EQ(buzzer->Mode(), MMControl::NotOpen);
    EXPECT_FALSE(board.isNull());
}

INSTANTIATE_TEST_SUITE_P(Buzzer, SilentBoard, ::testing::Values("", "/no/such/folder/chime2.wav"));

TEST_F(BoardTest, ASecondBuzzAfterTheFirstPlaysTheWholeSoundAgain)
{
    auto *buzzer = qobject_cast<MMControl *>(board->mmcBuzzer);
    QSignalSpy done(buzzer, &MMControl::Done);
    focus(board->picScoreBack);
    press(Qt::Key_C);
    if (buzzer->Mode() != MMControl::Playing)
        GTEST_SKIP() << "no sound output; run scripts/start-sound.sh";
    ASSERT_TRUE(done.wait(15000));
    // The board stopped and rewound the device: ready at the start.
    EXPECT_EQ(buzzer->Mode(), MMControl::Stopped);
    EXPECT_EQ(buzzer->Position(), 0);
    press(Qt::Key_C);
    EXPECT_EQ(buzzer->Mode(), MMControl::Playing);
    EXPECT_LT(buzzer->Position(), buzzer->Length() / 2); // the whole sound, not a tail of it
    ASSERT_TRUE(done.wait(15000));
    EXPECT_EQ(done.last().at(0).toInt(), MMControl::Successful);
}

// ---- Scaling -----------------------------------------------------------------------------

// Every recorded value, as the design holds it, against what a resize made of it.
struct Scaled {
    double factor;
    double offsetX;
    double offsetY;
};

void expectScaled(frmScoreboard *board, Scaled s)
{
    const auto fields
        = {std::pair{u"Width", &modStretch::ControlLayout::Width}, {u"Height", &modStretch::ControlLayout::Height},
           {u"FontSize", &modStretch::ControlLayout::FontSize},    {u"Size", &modStretch::ControlLayout::Size},
           {u"PaddingH", &modStretch::ControlLayout::PaddingH},    {u"PaddingV", &modStretch::ControlLayout::PaddingV},
           {u"PaddingI", &modStretch::ControlLayout::PaddingI},    {u"PaddingD", &modStretch::ControlLayout::PaddingD}};
    for (const modStretch::ControlLayout &r : modStretch::layoutRecords(board)) {
        Control *c = r.control;
        const std::string name = c->Name().toStdString();
        const bool onForm = c->parentWidget() == board;
        EXPECT_DOUBLE_EQ(c->Left(), (onForm ? s.offsetX : 0) + r.Left * s.factor) << name;
        EXPECT_DOUBLE_EQ(c->Top(), (onForm ? s.offsetY : 0) + r.Top * s.factor) << name;
        for (const auto &[property, field] : fields) {
            if (r.*field == 0 || (property == std::u16string_view(u"Width") && typeName(c).endsWith(u"LED")))
                continue;
            // Each control keeps the value in its own type: a 16-bit size takes the whole number.
            const double shown = variantToDouble(getPropertyByName(c, property));
            EXPECT_NEAR(shown, r.*field * s.factor, 0.5) << name << " " << QString::fromUtf16(property).toStdString();
        }
    }
}

TEST_F(BoardTest, ResizesScaleTheDesignByOneFactorAndCentreIt)
{
    struct Case {
        double width, height;
        Scaled expected;
    };
    const Case cases[] = {
        {18960, 13590, {2, 0, 0}},   // twice the design: every value doubles, no offsets
        {18960, 6795, {1, 4740, 0}}, // twice as wide: centred across
        {9480, 13590, {1, 0, 3398}}, // twice as tall: 3397.5 down, rounded to even
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        board->setClientSize(c.width, c.height);
        QCoreApplication::processEvents();
        ASSERT_NEAR(board->ScaleWidth(), c.width, 15);
        expectScaled(board, c.expected);
    }
}

TEST_F(BoardTest, ATinyWindowKeepsEverySizeAtLeastOneAndARecordedZeroAtZero)
{
    board->setClientSize(150, 150);
    QCoreApplication::processEvents();
    for (const modStretch::ControlLayout &r : modStretch::layoutRecords(board)) {
        Control *c = r.control;
        const std::string name = c->Name().toStdString();
        if (r.FontSize) {
            EXPECT_GE(variantToDouble(getPropertyByName(c, u"FontSize")), 1) << name;
        }
        if (r.Size) {
            EXPECT_GE(variantToDouble(getPropertyByName(c, u"Size")), 1) << name;
        }
        if (r.Width) {
            EXPECT_GE(c->Width(), 1) << name;
        }
    }
    // The score's whole points were designed without a side margin; none appears at any size.
    EXPECT_EQ(variantToInt32(getPropertyByName(board->nledScoreLeft, u"PaddingH")), 0);
    board->setClientSize(30000, 20000);
    QCoreApplication::processEvents();
    EXPECT_EQ(variantToInt32(getPropertyByName(board->nledScoreLeft, u"PaddingH")), 0);
}

TEST_F(BoardTest, AMinimisedBoardIsLeftAloneAndRestoringScalesAgain)
{
    board->setClientSize(18960, 13590);
    QCoreApplication::processEvents();
    const QRectF before = box(board->txtEvent);
    board->setWindowState(Form::Minimized);
    QCoreApplication::processEvents();
    modStretch::StretchControls(board);
    EXPECT_EQ(box(board->txtEvent), before);
    board->setWindowState(Form::Normal);
    board->setClientSize(9480, 6795);
    QCoreApplication::processEvents();
    expectScaled(board, {1, 0, 0});
}

} // namespace
