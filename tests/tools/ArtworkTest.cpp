#include "CommittedFiles.h"
#include "DrawnPicture.h"
#include "JpegFrame.h"

#include "assets/Artwork.h"
#include "pictures/Picture.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

using committed::Bytes;

const QColor UpperYellow(255, 255, 0);
const QColor LowerYellow(255, 255, 128);

std::uint32_t u32(std::span<const unsigned char> bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t u16(std::span<const unsigned char> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool near(QRgb actual, const QColor& expected, int tolerance = 10)
{
    return std::abs(qRed(actual) - expected.red()) <= tolerance
        && std::abs(qGreen(actual) - expected.green()) <= tolerance
        && std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

TEST(Artwork, EmbeddedPicturesAreTheCommittedFilesBehindTheirByteCount)
{
    const std::pair<std::span<const unsigned char>, const char*> pieces[] = {
        {assets::backgroundPicture(), "assets/background.jpg"},
        {assets::introPhotograph(), "assets/intro.jpg"},
        {assets::wedgePicture(), "assets/wedge.bmp"},
    };
    for (const auto& [stored, path] : pieces) {
        const Bytes file = committed::read(path);
        ASSERT_GE(stored.size(), 4u) << path;
        EXPECT_EQ(u32(stored, 0), file.size()) << path;
        EXPECT_TRUE(std::ranges::equal(stored.subspan(4), file)) << path;
    }
    EXPECT_TRUE(std::ranges::equal(assets::applicationIcon(), committed::read("assets/zorvenka.ico")));
}

TEST(Artwork, JpegPiecesAreBaselineJfif101At96DotsPerInch)
{
    for (const auto stored : {assets::backgroundPicture(), assets::introPhotograph()}) {
        const JpegFrame frame = readJpegFrame(stored.subspan(4));
        EXPECT_TRUE(frame.startsWithImageMarker);
        EXPECT_EQ(frame.frameMarker, 0xC0);
        EXPECT_EQ(frame.precision, 8);
        EXPECT_EQ(frame.components, 3);
        EXPECT_TRUE(frame.jfif);
        EXPECT_EQ(frame.jfifVersion, 0x0101);
        EXPECT_EQ(frame.densityUnit, 1);
        EXPECT_EQ(frame.xDensity, 96);
        EXPECT_EQ(frame.yDensity, 96);
    }
}

// A meadow on the left; on the right the wedge's two yellows, the paler one below a line that
// rises to the right.
TEST(Artwork, BackgroundIsAMeadowBesideTheTwoYellows)
{
    pictures::Picture picture;
    picture.readStoredData(pictures::GraphicKind::Jpeg, assets::backgroundPicture());
    ASSERT_EQ(picture.graphic()->kind(), pictures::GraphicKind::Jpeg);
    EXPECT_EQ(picture.width(), 963);
    EXPECT_EQ(picture.height(), 584);
    const QImage pixels = drawnPixels(picture);
    EXPECT_TRUE(near(pixels.pixel(950, 10), UpperYellow));
    EXPECT_TRUE(near(pixels.pixel(460, 440), UpperYellow));
    EXPECT_TRUE(near(pixels.pixel(460, 575), LowerYellow));
    EXPECT_TRUE(near(pixels.pixel(950, 200), LowerYellow));
    const QRgb meadow = pixels.pixel(220, 420);
    EXPECT_GT(qGreen(meadow), qRed(meadow) + 20);
    EXPECT_GT(qGreen(meadow), qBlue(meadow) + 20);
}

TEST(Artwork, IntroPhotographIsUprightAndDecodes)
{
    pictures::Picture picture;
    picture.readStoredData(pictures::GraphicKind::Jpeg, assets::introPhotograph());
    ASSERT_EQ(picture.graphic()->kind(), pictures::GraphicKind::Jpeg);
    EXPECT_EQ(picture.width(), 1488);
    EXPECT_EQ(picture.height(), 1984);
    EXPECT_NO_THROW(drawnPixels(picture));
}

TEST(Artwork, WedgeIsAnUncompressedBottomUpBitmapOfExactly146390Bytes)
{
    const auto stored = assets::wedgePicture();
    const auto file = stored.subspan(4);
    ASSERT_EQ(file.size(), 146'390u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(u32(file, 2), 146'390u);
    EXPECT_EQ(u32(file, 10), 54u);      // pixels right after the two headers
    EXPECT_EQ(u32(file, 14), 40u);      // info header size
    EXPECT_EQ(u32(file, 18), 181u);
    EXPECT_EQ(u32(file, 22), 269u);     // positive: bottom-up
    EXPECT_EQ(u16(file, 26), 1);        // planes
    EXPECT_EQ(u16(file, 28), 24);       // bits per pixel
    EXPECT_EQ(u32(file, 30), 0u);       // no compression
    // Each row is 543 pixel bytes and one zero byte of padding.
    for (std::size_t row = 0; row < 269; ++row)
        ASSERT_EQ(file[54 + row * 544 + 543], 0) << "row " << row;
}

// Above the line from the left edge at row 202 to the right edge at row 94: RGB 255, 255, 0;
// on and below it: RGB 255, 255, 128. Read back through the picture, as the windows show it.
TEST(Artwork, WedgeSplitsItsTwoYellowsAlongTheDiagonal)
{
    pictures::Picture picture;
    picture.readStoredData(pictures::GraphicKind::Bitmap, assets::wedgePicture());
    ASSERT_EQ(picture.graphic()->kind(), pictures::GraphicKind::Bitmap);
    ASSERT_EQ(picture.width(), 181);
    ASSERT_EQ(picture.height(), 269);
    const QImage pixels = drawnPixels(picture);
    int wrong = 0;
    for (int y = 0; y < 269; ++y)
        for (int x = 0; x < 181; ++x) {
            const bool above = 5 * y < 1010 - 3 * x; // y < 202 - 0.6 x
            wrong += pixels.pixel(x, y) != (above ? UpperYellow : LowerYellow).rgb();
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(QColor(pixels.pixel(0, 201)), UpperYellow);
    EXPECT_EQ(QColor(pixels.pixel(0, 202)), LowerYellow);
    EXPECT_EQ(QColor(pixels.pixel(180, 93)), UpperYellow);
    EXPECT_EQ(QColor(pixels.pixel(180, 94)), LowerYellow);
}

// One 744-byte image of 32 x 32 in 16 colours with its mask, behind the 22 bytes of the .ico
// header and directory entry.
TEST(Artwork, IconIsOneSixteenColourImageWithAMask)
{
    const auto icon = assets::applicationIcon();
    ASSERT_EQ(icon.size(), 22u + 744u);
    EXPECT_EQ(u16(icon, 0), 0);
    EXPECT_EQ(u16(icon, 2), 1);         // an icon
    EXPECT_EQ(u16(icon, 4), 1);         // one image
    EXPECT_EQ(icon[6], 32);
    EXPECT_EQ(icon[7], 32);
    EXPECT_EQ(icon[8], 16);             // colours
    EXPECT_EQ(u16(icon, 12), 4);        // bits per pixel
    EXPECT_EQ(u32(icon, 14), 744u);     // the image's size
    EXPECT_EQ(u32(icon, 18), 22u);      // where it starts
    EXPECT_EQ(u32(icon, 22), 40u);
    EXPECT_EQ(u32(icon, 30), 64u);      // colour rows and mask rows together
}

// As QIcon reads it: white and navy where opaque, and a transparent band from one corner to
// the other.
TEST(Artwork, IconShowsWhiteAndNavyAroundATransparentDiagonal)
{
    const auto icon = assets::applicationIcon();
    const QImage image = QImage::fromData(icon.data(), static_cast<int>(icon.size()), "ICO");
    ASSERT_EQ(image.size(), QSize(32, 32));
    int white = 0;
    int navy = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            white += pixel == qRgb(255, 255, 255);
            navy += pixel == qRgb(0, 0, 128);
            EXPECT_TRUE(pixel == qRgb(255, 255, 255) || pixel == qRgb(0, 0, 128)) << x << ", " << y;
        }
    EXPECT_GT(white, 100);
    EXPECT_GT(navy, 100);
    for (const QPoint band : {QPoint(31, 0), QPoint(0, 31), QPoint(15, 16)})
        EXPECT_EQ(qAlpha(image.pixel(band)), 0);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(image.pixel(31, 31)), 255);
}

} // namespace
