#include "tests/support/TestImages.h"

#include "pictures/ExifOrientation.h"
#include "pictures/JpegCodec.h"
#include "pictures/JpegGraphic.h"
#include "platform/Errors.h"

#include <QThreadPool>
#include <QTransform>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace pictures {
namespace {

using namespace testimages;

const QColor Red(220, 30, 30);
const QColor Blue(30, 40, 210);

std::unique_ptr<JpegGraphic> loaded(const Bytes& bytes)
{
    auto graphic = std::make_unique<JpegGraphic>();
    graphic->readBytes(bytes);
    return graphic;
}

// Where the decode that the first drawing collects runs: in that drawing, or ahead of it on a
// worker thread, finished before the drawing comes. Whatever a drawing shows or raises is the
// same either way.
enum class Decode { AtTheFirstDrawing, AheadOnAWorker };

class JpegDecode : public ::testing::TestWithParam<Decode> {
protected:
    static std::unique_ptr<JpegGraphic> loaded(const Bytes& bytes)
    {
        auto graphic = pictures::loaded(bytes);
        if (GetParam() == Decode::AheadOnAWorker) {
            graphic->prepareToDraw();
            EXPECT_TRUE(graphic->decodingAhead());
            QThreadPool::globalInstance()->waitForDone();
        }
        return graphic;
    }
};

INSTANTIATE_TEST_SUITE_P(, JpegDecode,
                         ::testing::Values(Decode::AtTheFirstDrawing, Decode::AheadOnAWorker),
                         [](const auto& info) {
                             return info.param == Decode::AheadOnAWorker ? "AheadOnAWorker"
                                                                         : "AtTheFirstDrawing";
                         });

std::string jpegError(int code)
{
    return "JPEG error #" + std::to_string(code);
}

const QImage& decodedImage(const JpegGraphic& graphic)
{
    return graphic.decoded()->image();
}

extern "C" void ignoreWarning(j_common_ptr, int) {}

// The picture as bare libjpeg calls decode it into RGB32 rows, with the library's defaults
// except for block smoothing.
QImage referenceDecode(const Bytes& jpeg, bool blockSmoothing)
{
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    errors.emit_message = ignoreWarning;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.do_block_smoothing = blockSmoothing;
    cinfo.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    QImage image(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                 QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return image;
}

// The mean colour of an area: dithered pixels scatter around the colour they stand for.
QRgb meanColour(const QImage& image, const QRect& area)
{
    int red = 0, green = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    const int count = area.width() * area.height();
    return qRgb(red / count, green / count, blue / count);
}

TEST_P(JpegDecode, KnowsItsSizeFromTheHeaderAndDecodesOnceAtTheFirstDrawing)
{
    const auto graphic = loaded(encodeJpeg(filledImage(64, 48, Red, Blue)));
    const int decodesBefore = JpegGraphic::decodeCount();
    EXPECT_EQ(graphic->width(), 64);
    EXPECT_EQ(graphic->height(), 48);
    EXPECT_EQ(graphic->decoded(), nullptr);

    drawOnce(*graphic);
    drawOnce(*graphic);
    EXPECT_EQ(JpegGraphic::decodeCount(), decodesBefore + 1);
    const QImage& image = decodedImage(*graphic);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(64, 48));
    EXPECT_TRUE(near(image.pixel(10, 5), Red));
    EXPECT_TRUE(near(image.pixel(50, 40), Blue));
}

// A picture that tells the eight orientations apart: a colour gradient, no two pixels alike.
QImage asymmetricImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + 2 * y) % 256));
    }
    return image;
}

// The stored picture as Exif's orientations turn it, with Qt's own turns (Qt's y axis points
// down, so rotate(90) is a quarter turn clockwise).
QImage turnedByHand(const QImage& stored, int orientation)
{
    const QImage clockwise = stored.transformed(QTransform().rotate(90));
    const QImage anticlockwise = stored.transformed(QTransform().rotate(270));
    switch (orientation) {
    case 2: return stored.mirrored(true, false);
    case 3: return stored.mirrored(true, true);
    case 4: return stored.mirrored(false, true);
    case 5: return clockwise.mirrored(true, false);
    case 6: return clockwise;
    case 7: return anticlockwise.mirrored(true, false);
    case 8: return anticlockwise;
    default: return stored;
    }
}

// Each orientation in turn, alternately in both byte orders: the size shows turned before any
// decoding, the pixels are the untagged picture's turned, and a copy shares them. 37 rows, so
// the rows come out of libjpeg in strips of several and one strip short at the end.
TEST_P(JpegDecode, TurnsATaggedPictureOnceAsItsOrientationSays)
{
    const Bytes untagged = encodeJpeg(asymmetricImage(48, 37));
    const auto plain = loaded(untagged);
    drawOnce(*plain);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const auto tagged = loaded(withOrientation(untagged, orientation, orientation % 2 == 0));
        const QSize shown = orientation >= 5 ? QSize(37, 48) : QSize(48, 37);
        EXPECT_EQ(QSize(tagged->width(), tagged->height()), shown);
        drawOnce(*tagged);
        EXPECT_EQ(decodedImage(*tagged), turnedByHand(decodedImage(*plain), orientation));
        const auto copy = tagged->copy();
        EXPECT_EQ(static_cast<const JpegGraphic&>(*copy).decoded()->image().constBits(),
                  decodedImage(*tagged).constBits());
    }

    // Greyscale pictures (and colour ones on an 8-bit display) turn their palette indices.
    const Bytes grey = encodeJpeg(asymmetricImage(40, 24), JpegColours::Grey);
    QImage upright, turned;
    decodeJpeg(grey, 24, upright);
    decodeJpeg(grey, 24, turned, 6);
    EXPECT_EQ(turned, turnedByHand(upright, 6));
}

// Anything short of a well-formed tag with a value from 1 to 8 leaves the picture as stored,
// pixel for pixel; other APP1 data before the Exif marker is passed over.
TEST(JpegGraphic, ShowsAPictureWithADamagedOrUnknownTagAsStored)
{
    const Bytes untagged = encodeJpeg(asymmetricImage(30, 20));
    QImage stored;
    decodeJpeg(untagged, 24, stored);
    const Bytes tag = exifPayload(6);
    const auto changed = [&](std::size_t at, unsigned char value) {
        Bytes bytes = tag;
        bytes[at] = value;
        return bytes;
    };
    const Bytes damaged[] = {
        changed(ExifOrientationAt, 0), changed(ExifOrientationAt, 9),
        changed(ExifOrientationAt + 1, 1), // 262
        changed(30, 4), // a LONG
        changed(32, 2), // two values
        changed(10, 200), // the directory beyond the end
        changed(7, 'M'), // no byte order
        changed(8, 43), // not TIFF
        changed(4, 'X'), // not Exif
        Bytes(tag.begin(), tag.begin() + ExifOrientationAt + 1), // cut inside the value
        Bytes(tag.begin(), tag.begin() + 6),
    };
    for (const Bytes& payload : damaged) {
        EXPECT_EQ(exifOrientation(payload), Upright);
        const auto graphic = loaded(withSegment(untagged, 0xE1, payload));
        EXPECT_EQ(graphic->data()->orientation, Upright);
        EXPECT_EQ(QSize(graphic->width(), graphic->height()), QSize(30, 20));
        drawOnce(*graphic);
        EXPECT_EQ(decodedImage(*graphic), stored);
    }

    const Bytes xmp{'h', 't', 't', 'p', ':', '/', '/', 'n', 's', '.', 'a', 'd', 'o', 'b', 'e', 0};
    const auto graphic = loaded(withSegment(withOrientation(untagged, 8), 0xE1, xmp));
    EXPECT_EQ(graphic->width(), 20);
}

TEST_P(JpegDecode, DecodesGreyscaleToEightBitsWithAGreyPalette)
{
    const auto graphic = loaded(encodeJpeg(filledImage(40, 40, Qt::white, QColor(90, 90, 90)),
                                           JpegColours::Grey));
    drawOnce(*graphic);
    const QImage& image = decodedImage(*graphic);
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_LE(image.colorCount(), 236);
    for (const QRgb entry : image.colorTable())
        EXPECT_TRUE(qRed(entry) == qGreen(entry) && qGreen(entry) == qBlue(entry));
    EXPECT_TRUE(near(image.pixel(5, 5), Qt::white, 4));
    EXPECT_TRUE(near(image.pixel(5, 35), QColor(90, 90, 90), 4));
}

TEST_P(JpegDecode, DecodesCmykProgressiveAndOneRowHighPictures)
{
    const auto cmyk = loaded(encodeJpeg(filledImage(32, 32, Red, Blue), JpegColours::AdobeCmyk));
    drawOnce(*cmyk);
    EXPECT_TRUE(near(decodedImage(*cmyk).pixel(3, 3), Red));
    EXPECT_TRUE(near(decodedImage(*cmyk).pixel(30, 30), Blue));

    const auto progressive = loaded(encodeJpeg(filledImage(50, 30, Red, Blue), JpegColours::Rgb, true));
    drawOnce(*progressive);
    EXPECT_TRUE(near(decodedImage(*progressive).pixel(45, 25), Blue));

    const auto oneRow = loaded(encodeJpeg(filledImage(20, 1, Blue)));
    drawOnce(*oneRow);
    EXPECT_EQ(decodedImage(*oneRow).size(), QSize(20, 1));
    EXPECT_TRUE(near(decodedImage(*oneRow).pixel(19, 0), Blue));
}

// One pass through libjpeg's fixed colour cube: rows come out as they are decoded, and every
// picture gets the same palette (the two-pass quantiser would decode the whole picture first
// and pick a palette for it).
TEST(JpegGraphic, DecodesColourToAPaletteForAnEightBitDisplay)
{
    QImage image;
    decodeJpeg(encodeJpeg(filledImage(40, 40, Red, Blue)), 8, image);
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_LE(image.colorCount(), 236);
    EXPECT_TRUE(near(meanColour(image, QRect(4, 4, 32, 12)), Red));
    EXPECT_TRUE(near(meanColour(image, QRect(4, 24, 32, 12)), Blue));
    EXPECT_EQ(image.colorTable().back(), qRgb(255, 255, 255));

    QImage other;
    decodeJpeg(encodeJpeg(filledImage(40, 40, Qt::green)), 8, other);
    EXPECT_EQ(other.colorTable(), image.colorTable());
}

// Only a progressive file whose later scans are missing shows block smoothing: libjpeg then
// guesses the missing detail of each block from its neighbours.
TEST(JpegGraphic, SmoothsTheBlocksOfAProgressiveFileCutAfterItsFirstScans)
{
    QImage gradient(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            gradient.setPixel(x, y, qRgb(x * 4, y * 4, 255 - (x + y) * 2));
    }
    Bytes jpeg = encodeJpeg(gradient, JpegColours::Rgb, true);
    jpeg.resize(startOfScan(jpeg, 3));

    QImage image;
    decodeJpeg(jpeg, 24, image);
    EXPECT_EQ(image, referenceDecode(jpeg, true));
    EXPECT_NE(image, referenceDecode(jpeg, false));
}

TEST(JpegGraphic, RefusesDataThatIsNoJpegAtLoad)
{
    EXPECT_EQ(messageOf<platform::JpegError>([] { loaded(solidBmp(4, 4, Red)); }), "JPEG error #53");

    // A header cut off before its first scan.
    Bytes cut = encodeJpeg(filledImage(16, 16, Red));
    cut.resize(120);
    EXPECT_EQ(messageOf<platform::JpegError>([&] { loaded(cut); }), jpegError(JERR_NO_IMAGE));
}

TEST_P(JpegDecode, EmptyStreamLoadsAndFailsOnlyAtItsFirstDrawing)
{
    const auto graphic = loaded({});
    EXPECT_EQ(graphic->width(), 0);
    EXPECT_EQ(graphic->height(), 0);
    EXPECT_FALSE(graphic->isEmpty());

    EXPECT_EQ(messageOf<platform::JpegError>([&] { drawOnce(*graphic); }), "JPEG error #42");
    ASSERT_NE(graphic->decoded(), nullptr);
    EXPECT_TRUE(graphic->decoded()->isEmpty());
    EXPECT_NO_THROW(drawOnce(*graphic));
}

TEST_P(JpegDecode, StreamCutOffInTheMiddleDrawsWithoutError)
{
    Bytes jpeg = encodeJpeg(filledImage(64, 64, Red, Blue));
    const Bytes startOfScan{0xFF, 0xDA};
    const auto scan = std::search(jpeg.begin(), jpeg.end(), startOfScan.begin(), startOfScan.end());
    jpeg.resize(static_cast<std::size_t>(scan - jpeg.begin()) + 40);
    const auto graphic = loaded(jpeg);
    EXPECT_NO_THROW(drawOnce(*graphic));
    EXPECT_EQ(decodedImage(*graphic).size(), QSize(64, 64));
    EXPECT_TRUE(near(decodedImage(*graphic).pixel(5, 5), Red));
}

// A file copied only in part: the rows its data reaches are the picture's, those below grey,
// and the graphic tells how much of the picture (as stored, also when turned) is in the file.
TEST_P(JpegDecode, TellsHowMuchOfAPictureCutShortIsInItsFile)
{
    const Bytes whole = encodeJpeg(filledImage(96, 320, Red));
    const auto complete = loaded(whole);
    drawOnce(*complete);
    EXPECT_EQ(complete->percentInFile(), 100);

    const std::size_t scan = startOfScan(whole, 1);
    const auto half = static_cast<std::ptrdiff_t>(scan + (whole.size() - scan) / 2);
    const Bytes cut(whole.begin(), whole.begin() + half);
    const auto graphic = loaded(cut);
    EXPECT_EQ(graphic->percentInFile(), 100); // not known before the decode
    drawOnce(*graphic);
    const int percent = graphic->percentInFile();
    ASSERT_GT(percent, 20);
    ASSERT_LT(percent, 80);
    const QImage& image = decodedImage(*graphic);
    // The percentage is rounded down; the colours of the row on either side of where the data
    // ends are blended by the upsampling of the colour planes.
    const int rowsInFile = 320 * percent / 100;
    EXPECT_TRUE(near(image.pixel(95, rowsInFile - 2), Red));
    for (const int y : {320 * (percent + 1) / 100 + 1, 319})
        EXPECT_TRUE(near(image.pixel(95, y), QColor(128, 128, 128), 2)) << y;

    const auto turned = loaded(withOrientation(cut, 6));
    drawOnce(*turned);
    EXPECT_EQ(turned->percentInFile(), percent);
    EXPECT_EQ(dynamic_cast<const JpegGraphic&>(*turned->copy()).percentInFile(), percent);
}

TEST_P(JpegDecode, DamageAfterTheScanFailsOnceAndKeepsTheDecodedRows)
{
    Bytes jpeg = encodeJpeg(filledImage(48, 48, Red, Blue));
    // A second frame header between the scan and the end of the stream.
    const Bytes frameHeader{0xFF, 0xC0, 0x00, 0x0B, 8, 0, 48, 0, 48, 1, 1, 0x11, 0};
    jpeg.insert(jpeg.end() - 2, frameHeader.begin(), frameHeader.end());
    const auto graphic = loaded(jpeg);

    EXPECT_EQ(messageOf<platform::JpegError>([&] { drawOnce(*graphic); }),
              jpegError(JERR_SOF_DUPLICATE));
    EXPECT_TRUE(near(decodedImage(*graphic).pixel(40, 40), Blue));
    EXPECT_NO_THROW(drawOnce(*graphic));
}

// Each empty scan costs ten bytes and a walk through the whole picture, so a small file could
// keep the decoder busy for minutes. The fault after the scans shows how far it read.
TEST(JpegGraphic, StopsAtTheFirstScanPastTheLimitForThePictureSize)
{
    const int width = 4096;
    const int height = 4096;
    const int limit = maxJpegScans(width, height);
    const Bytes secondFrameHeader{0xFF, 0xC2, 0x00, 0x0B, 8, 0, 16, 0, 16, 1, 1, 0x11, 0};
    QImage image;
    EXPECT_EQ(messageOf<platform::JpegError>([&] {
                  decodeJpeg(manyScansJpeg(width, height, limit, secondFrameHeader), 24, image);
              }),
              jpegError(JERR_SOF_DUPLICATE));
    EXPECT_EQ(messageOf<platform::JpegError>([&] {
                  decodeJpeg(manyScansJpeg(width, height, limit + 1, secondFrameHeader), 24, image);
              }),
              "JPEG error: too many scans for the picture's size");
    EXPECT_TRUE(image.isNull());

    // The standard progressive scripts' ten scans pass even at the pixel cap.
    EXPECT_GE(maxJpegScans(16384, 16384), 10);
}

TEST_P(JpegDecode, RefusesAHugeClaimedSizeBeforeTakingMemory)
{
    const auto graphic = loaded(withClaimedSize(encodeJpeg(filledImage(16, 16, Red)), 65500, 65500));
    EXPECT_EQ(graphic->width(), 65500);

    EXPECT_EQ(messageOf<platform::OutOfResourcesError>([&] { drawOnce(*graphic); }),
              "Out of system resources");
    EXPECT_EQ(graphic->width(), 0);
    EXPECT_NO_THROW(drawOnce(*graphic));
}

TEST(JpegGraphic, DecodesAheadOnceAndOnlyTheBytesItHoldsWhenDrawn)
{
    const auto graphic = loaded(encodeJpeg(filledImage(32, 32, Red)));
    graphic->prepareToDraw();
    const int decodesBefore = JpegGraphic::decodeCount();
    graphic->prepareToDraw();
    drawOnce(*graphic);
    EXPECT_FALSE(graphic->decodingAhead());
    graphic->prepareToDraw(); // decoded already
    EXPECT_FALSE(graphic->decodingAhead());
    EXPECT_EQ(JpegGraphic::decodeCount(), decodesBefore + 1);

    // New bytes read while the old ones decode: the old decode is dropped.
    graphic->readBytes(encodeJpeg(filledImage(32, 32, Blue)));
    graphic->prepareToDraw();
    graphic->readBytes(encodeJpeg(filledImage(40, 32, Red, Blue)));
    EXPECT_FALSE(graphic->decodingAhead());
    drawOnce(*graphic);
    EXPECT_EQ(decodedImage(*graphic).size(), QSize(40, 32));
    EXPECT_TRUE(near(decodedImage(*graphic).pixel(3, 3), Red));
}

// More graphics than the pool has workers, each discarded while its decode waits or runs:
// nothing waits for them and nothing is left behind (the leak and race checkers look on).
TEST(JpegGraphic, GraphicsDiscardedWhileDecodingAheadLeaveNothingBehind)
{
    const Bytes jpeg = encodeJpeg(filledImage(400, 300, Red, Blue));
    for (int i = 0; i < 8; ++i)
        loaded(jpeg)->prepareToDraw();
    auto released = loaded(jpeg);
    released->prepareToDraw();
    released->releaseDecodedPixels();
    EXPECT_FALSE(released->decodingAhead());
    QThreadPool::globalInstance()->waitForDone();
    drawOnce(*released);
    EXPECT_TRUE(near(decodedImage(*released).pixel(5, 295), Blue));
}

TEST(JpegGraphic, ReleasedPixelsDecodeAgainWhileAFailedDecodeKeepsItsBitmap)
{
    const auto graphic = loaded(encodeJpeg(filledImage(64, 48, Red, Blue)));
    drawOnce(*graphic);
    const auto copy = graphic->copy();
    graphic->releaseDecodedPixels();
    EXPECT_EQ(graphic->decoded(), nullptr);
    EXPECT_EQ(QSize(graphic->width(), graphic->height()), QSize(64, 48));
    EXPECT_NE(static_cast<const JpegGraphic&>(*copy).decoded(), nullptr); // the copy keeps its share

    const int decodesBefore = JpegGraphic::decodeCount();
    drawOnce(*graphic);
    EXPECT_EQ(JpegGraphic::decodeCount(), decodesBefore + 1);
    EXPECT_TRUE(near(decodedImage(*graphic).pixel(50, 40), Blue));

    const auto failed = loaded({});
    EXPECT_THROW(drawOnce(*failed), platform::JpegError);
    failed->releaseDecodedPixels();
    ASSERT_NE(failed->decoded(), nullptr);
    EXPECT_NO_THROW(drawOnce(*failed));
}

} // namespace
} // namespace pictures
