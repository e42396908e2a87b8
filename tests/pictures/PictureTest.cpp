#include "tests/support/TestImages.h"
#include "tests/support/TestSystem.h"

#include "pictures/BitmapGraphic.h"
#include "pictures/JpegGraphic.h"
#include "pictures/Picture.h"
#include "platform/Errors.h"
#include "platform/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pictures {
namespace {

using namespace testimages;

const QColor Green(20, 180, 40);

// A picture in a temporary folder that counts its change notices.
class PictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        picture_.setChangeListener([this] { ++changes_; });
    }

    std::string file(const std::string& name, const Bytes& bytes)
    {
        return writeFile(folder_.path().toStdString(), name, bytes);
    }

    // Loads a first, good photograph, so failures can show it stays.
    Graphic* loadGoodPhotograph()
    {
        picture_.loadFromFile(file("good.jpg", encodeJpeg(filledImage(30, 20, Green))));
        changes_ = 0;
        return picture_.graphic();
    }

    template <typename ErrorKind, typename Action>
    void expectFailureKeepsPicture(Action action, const std::string& message)
    {
        Graphic* before = loadGoodPhotograph();
        EXPECT_EQ(messageOf<ErrorKind>(action), message);
        EXPECT_EQ(picture_.graphic(), before);
        EXPECT_EQ(picture_.width(), 30);
        EXPECT_EQ(changes_, 0);
    }

    QTemporaryDir folder_;
    Picture picture_;
    int changes_ = 0;
};

TEST_F(PictureTest, LoadsByExtensionInAnyCaseAndTellsTheListenerOnce)
{
    picture_.loadFromFile(file("a.JPG", encodeJpeg(filledImage(30, 20, Green))));
    EXPECT_EQ(picture_.graphic()->kind(), GraphicKind::Jpeg);
    EXPECT_EQ(picture_.width(), 30);
    EXPECT_EQ(changes_, 1);

    picture_.loadFromFile(file("b.Bmp", solidBmp(5, 7, Green)));
    EXPECT_EQ(picture_.graphic()->kind(), GraphicKind::Bitmap);
    EXPECT_EQ(picture_.height(), 7);
    EXPECT_EQ(changes_, 2);
}

TEST_F(PictureTest, UnknownExtensionsFailWithTheExtensionAsWritten)
{
    const std::string png = file("c.PnG", solidBmp(2, 2, Green));
    expectFailureKeepsPicture<platform::InvalidGraphicError>(
        [&] { picture_.loadFromFile(png); }, "Unknown picture file extension (.PnG)");
    expectFailureKeepsPicture<platform::InvalidGraphicError>(
        [&] { picture_.loadFromFile("obr.d\\0\\7"); }, "Unknown picture file extension (.)");
    // Icons and metafiles are registered but cannot be read.
    expectFailureKeepsPicture<platform::InvalidGraphicError>(
        [&] { picture_.loadFromFile("a.ICO"); }, "Unsupported picture file extension (.ICO)");
}

TEST_F(PictureTest, MissingFileFailsWithTheAbsolutePathAndTheSystemText)
{
    const std::string path = folder_.path().toStdString() + "\\missing.jpg";
    expectFailureKeepsPicture<platform::FileOpenError>(
        [&] { picture_.loadFromFile(path); },
        "Cannot open file \"" + platform::absolutePath(path) + "\". " + testsystem::missingFileText());
}

TEST_F(PictureTest, BrokenFilesFailAtLoadAndKeepThePicture)
{
    const std::string bmpAsJpeg = file("bmp.jpg", solidBmp(3, 3, Green));
    expectFailureKeepsPicture<platform::JpegError>([&] { picture_.loadFromFile(bmpAsJpeg); },
                                                   "JPEG error #53");
    const std::string notBmp = file("jpeg.bmp", encodeJpeg(filledImage(8, 8, Green)));
    expectFailureKeepsPicture<platform::InvalidGraphicError>(
        [&] { picture_.loadFromFile(notBmp); }, "Bitmap image is not valid");
    Bytes cut = solidBmp(3, 3, Green);
    cut.resize(20);
    const std::string cutBmp = file("cut.bmp", cut);
    expectFailureKeepsPicture<platform::StreamReadError>([&] { picture_.loadFromFile(cutBmp); },
                                                         "Stream read error");
}

TEST_F(PictureTest, EmptyJpegFileLoadsWithNoSizeAndFailsOnlyAtItsFirstDrawing)
{
    picture_.loadFromFile(file("empty.jpg", {}));
    EXPECT_EQ(changes_, 1);
    EXPECT_EQ(picture_.width(), 0);
    EXPECT_EQ(picture_.height(), 0);
    EXPECT_THROW(drawOnce(*picture_.graphic()), platform::JpegError);
    EXPECT_NO_THROW(drawOnce(*picture_.graphic()));
}

TEST_F(PictureTest, ReadsStoredArtworkOfBothKinds)
{
    picture_.readStoredData(GraphicKind::Jpeg, storedData(encodeJpeg(filledImage(9, 4, Green))));
    EXPECT_EQ(picture_.width(), 9);
    picture_.readStoredData(GraphicKind::Bitmap, storedData(solidBmp(6, 5, Green)));
    EXPECT_EQ(picture_.graphic()->kind(), GraphicKind::Bitmap);
    EXPECT_EQ(picture_.height(), 5);
    EXPECT_EQ(changes_, 2);

    picture_.readStoredData(GraphicKind::Icon, storedData({1, 2, 3}));
    EXPECT_EQ(picture_.graphic(), nullptr);
}

TEST_F(PictureTest, StoredDataShorterThanItsCountFailsAndKeepsThePicture)
{
    Bytes stored = storedData(encodeJpeg(filledImage(9, 4, Green)));
    stored.pop_back();
    expectFailureKeepsPicture<platform::StreamReadError>(
        [&] { picture_.readStoredData(GraphicKind::Jpeg, stored); }, "Stream read error");
    expectFailureKeepsPicture<platform::StreamReadError>(
        [&] { picture_.readStoredData(GraphicKind::Bitmap, Bytes{1, 0}); }, "Stream read error");
    expectFailureKeepsPicture<platform::JpegError>(
        [&] { picture_.readStoredData(GraphicKind::Jpeg, storedData(solidBmp(2, 2, Green))); },
        "JPEG error #53");
}

TEST_F(PictureTest, CopiesShareTheCompressedBytesAndTheDecodedPixels)
{
    loadGoodPhotograph();
    Picture undecodedCopy;
    undecodedCopy.assign(picture_);
    const auto& original = dynamic_cast<const JpegGraphic&>(*picture_.graphic());
    const auto& copy = dynamic_cast<const JpegGraphic&>(*undecodedCopy.graphic());
    EXPECT_EQ(copy.data(), original.data());
    EXPECT_EQ(copy.decoded(), nullptr);

    drawOnce(*picture_.graphic());
    const int decodes = JpegGraphic::decodeCount();
    Picture decodedCopy;
    decodedCopy.assign(picture_);
    drawOnce(*decodedCopy.graphic());
    EXPECT_EQ(JpegGraphic::decodeCount(), decodes);
    const auto& shared = dynamic_cast<const JpegGraphic&>(*decodedCopy.graphic());
    EXPECT_EQ(shared.decoded()->image().constBits(), original.decoded()->image().constBits());

    drawOnce(*undecodedCopy.graphic());
    EXPECT_EQ(JpegGraphic::decodeCount(), decodes + 1);

    EXPECT_EQ(changes_, 0);
    picture_.assign(Picture());
    EXPECT_EQ(picture_.graphic(), nullptr);
    EXPECT_EQ(changes_, 1);
}

TEST_F(PictureTest, BitmapCopiesSharePixelsUntilOneChanges)
{
    picture_.loadFromFile(file("b.bmp", solidBmp(5, 7, Green)));
    Picture copy;
    copy.assign(picture_);
    auto& source = dynamic_cast<BitmapGraphic&>(*picture_.graphic());
    auto& copied = dynamic_cast<BitmapGraphic&>(*copy.graphic());
    EXPECT_EQ(copied.image().constBits(), source.image().constBits());
    copied.image().setPixel(0, 0, qRgb(0, 0, 0));
    EXPECT_EQ(source.image().pixel(0, 0), Green.rgb());
}

} // namespace
} // namespace pictures
