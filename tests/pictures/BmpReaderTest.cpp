#include "tests/support/TestImages.h"

#include "pictures/BmpReader.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <optional>

namespace pictures {
namespace {

using namespace testimages;

void appendBgra(Bytes& bytes, QColor colour)
{
    bytes.insert(bytes.end(), {static_cast<unsigned char>(colour.blue()),
                               static_cast<unsigned char>(colour.green()),
                               static_cast<unsigned char>(colour.red()), 0});
}

std::string errorOf(const Bytes& bytes)
{
    return messageOf<platform::Error>([&] { readBmp(bytes); });
}

TEST(BmpReader, ReadsBottomUpTwentyFourBitRows)
{
    Bytes bmp = bmpHeaders(2, 2, 24);
    bmp.insert(bmp.end(), {255, 0, 0, 0, 255, 0, 0, 0}); // bottom row: blue, green, padding
    bmp.insert(bmp.end(), {0, 0, 255, 255, 255, 255, 0, 0}); // top row: red, white
    const QImage image = readBmp(bmp);
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 255, 0));
}

TEST(BmpReader, ReadsIndexedPixelsThroughTheColourTable)
{
    Bytes fourBit = bmpHeaders(3, -1, 4, 0, 2); // top-down, two colours used
    appendBgra(fourBit, Qt::yellow);
    appendBgra(fourBit, Qt::darkBlue);
    fourBit.insert(fourBit.end(), {0x01, 0x10, 0, 0});
    const QImage image = readBmp(fourBit);
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.pixel(0, 0), QColor(Qt::yellow).rgb());
    EXPECT_EQ(image.pixel(1, 0), QColor(Qt::darkBlue).rgb());
    EXPECT_EQ(image.pixel(2, 0), QColor(Qt::darkBlue).rgb());

    // The old 12-byte core header with 3-byte colour entries; one bit per pixel.
    Bytes core(14, 0); // a file header that holds only its signature
    core[0] = 'B';
    core[1] = 'M';
    appendUint32(core, 12);
    for (const std::uint16_t field : {9, 1, 1, 1})
        appendUint16(core, field);
    core.insert(core.end(), {0, 0, 0, 255, 255, 255});
    core.insert(core.end(), {0xAA, 0x80, 0, 0});
    const QImage mono = readBmp(core);
    EXPECT_EQ(mono.size(), QSize(9, 1));
    EXPECT_EQ(mono.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(mono.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(mono.pixel(8, 0), qRgb(255, 255, 255));
}

TEST(BmpReader, ReadsBitFieldMasksAndDefaultSixteenBitPixels)
{
    Bytes rgb565 = bmpHeaders(1, 1, 16, 3);
    appendUint32(rgb565, 0xF800);
    appendUint32(rgb565, 0x07E0);
    appendUint32(rgb565, 0x001F);
    appendUint16(rgb565, 0xF81F);
    appendUint16(rgb565, 0);
    EXPECT_EQ(readBmp(rgb565).pixel(0, 0), qRgb(255, 0, 255));

    Bytes rgb555 = bmpHeaders(1, 1, 16);
    appendUint16(rgb555, 0x03E0);
    appendUint16(rgb555, 0);
    EXPECT_EQ(readBmp(rgb555).pixel(0, 0), qRgb(0, 255, 0));

    Bytes xrgb = bmpHeaders(1, 1, 32);
    appendUint32(xrgb, 0x00123456);
    EXPECT_EQ(readBmp(xrgb).pixel(0, 0), qRgb(0x12, 0x34, 0x56));
}

TEST(BmpReader, LeavesRowsTheDataDoesNotReachBlack)
{
    Bytes bmp = solidBmp(2, 3, Qt::white);
    bmp.resize(bmp.size() - 8);
    const QImage image = readBmp(bmp);
    EXPECT_EQ(image.pixel(0, 2), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
}

// A colour BMP of the image's pixels at 16 (five bits a channel), 24 or 32 bits per pixel.
Bytes colourBmp(const QImage& image, int bitsPerPixel, bool topDown)
{
    Bytes bmp = bmpHeaders(image.width(), topDown ? -image.height() : image.height(), bitsPerPixel);
    for (int row = 0; row < image.height(); ++row) {
        const int y = topDown ? row : image.height() - 1 - row;
        const std::size_t start = bmp.size();
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (bitsPerPixel == 32)
                appendBgra(bmp, colour);
            else if (bitsPerPixel == 24)
                bmp.insert(bmp.end(), {static_cast<unsigned char>(colour.blue()),
                                       static_cast<unsigned char>(colour.green()),
                                       static_cast<unsigned char>(colour.red())});
            else
                appendUint16(bmp, static_cast<std::uint16_t>((colour.red() >> 3) << 10
                                                             | (colour.green() >> 3) << 5
                                                             | colour.blue() >> 3));
        }
        bmp.resize(start + (bmp.size() - start + 3) / 4 * 4, 0);
    }
    return bmp;
}

QImage stretched(const QImage& image, QSize size)
{
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawImage(canvas.rect(), image);
    painter.end();
    return canvas;
}

// Drawn onto a transparent canvas, so black that is not opaque would show.
TEST(BmpReader, ColourRowsTheDataDoesNotReachReadAndDrawAsOpaqueBlack)
{
    for (const int bits : {16, 24, 32}) {
        for (const bool topDown : {false, true}) {
            Bytes bmp = colourBmp(filledImage(3, 4, Qt::red), bits, topDown);
            bmp.resize(bmp.size() - 2 * ((3 * bits + 31) / 32 * 4)); // the last two rows stored
            const QImage image = readBmp(bmp);
            const QImage canvas = stretched(image, QSize(6, 8));
            for (int y = 0; y < 4; ++y) {
                const bool given = topDown ? y < 2 : y >= 2;
                const QRgb expected = given ? qRgb(255, 0, 0) : qRgb(0, 0, 0);
                for (int x = 0; x < 3; ++x)
                    EXPECT_EQ(image.pixel(x, y), expected) << bits << " bits, " << x << ", " << y;
                for (int x = 0; x < 6; ++x)
                    EXPECT_EQ(canvas.pixel(x, 2 * y + 1), expected)
                        << bits << " bits, drawn at " << x << ", " << 2 * y + 1;
            }
        }
    }
}

// The toolkit stretches 32-bit pixels with sampling of its own: the same pixels in any other
// format land a source row or column off here and there (5 pixels of the wedge artwork, 181 ×
// 269, stretched into its 496 × 585 box).
TEST(BmpReader, ACompleteColourFileStretchesExactlyAsThirtyTwoBitPixels)
{
    QImage pattern(181, 269, QImage::Format_RGB32);
    for (int y = 0; y < pattern.height(); ++y) {
        for (int x = 0; x < pattern.width(); ++x)
            pattern.setPixel(x, y, qRgb(x, y % 256, (7 * x + 3 * y) % 256));
    }
    const QImage expected = stretched(pattern, QSize(496, 585));
    for (const int bits : {24, 32}) {
        for (const bool topDown : {false, true})
            EXPECT_EQ(stretched(readBmp(colourBmp(pattern, bits, topDown)), QSize(496, 585)),
                      expected)
                << bits << " bits, top-down " << topDown;
    }
}

// Colour-table indices of an indexed image, top row first.
using Indices = std::vector<std::vector<int>>;

Indices indicesOf(const QImage& image)
{
    Indices rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            rows[static_cast<std::size_t>(y)].push_back(image.pixelIndex(x, y));
    }
    return rows;
}

// A run-length bitmap with a three-colour table (grey, red, green) whose header gives the
// pixels' byte count as the image size, unless told another.
Bytes runLengthBmp(int width, int height, int bitsPerPixel, const Bytes& pixels,
                   std::optional<std::uint32_t> imageSize = std::nullopt)
{
    Bytes bmp = bmpHeaders(width, height, bitsPerPixel, bitsPerPixel == 8 ? 1 : 2, 3);
    Bytes size;
    appendUint32(size, imageSize.value_or(static_cast<std::uint32_t>(pixels.size())));
    std::copy(size.begin(), size.end(), bmp.begin() + 34);
    for (const QColor colour : {QColor(Qt::gray), QColor(Qt::red), QColor(Qt::green)})
        appendBgra(bmp, colour);
    bmp.insert(bmp.end(), pixels.begin(), pixels.end());
    return bmp;
}

TEST(BmpReader, DecodesRunLengthEightBitCodesAndLeavesUnwrittenPixelsAtColourZero)
{
    const Bytes bmp = runLengthBmp(4, 4, 8, {
        2, 1, 0, 3, 2, 1, 2, 0, // a run of two, an absolute run of three (padded) past the row's end
        0, 0,                   // end of line
        0, 2, 1, 0, 1, 2,       // delta one to the right, then one pixel
        0, 0, 0, 0,             // end of line, twice: the third row stays as it is
        9, 1, 0, 1,             // a run past the row's end, then end of bitmap
        5, 2,                   // after the end: never read
    });
    const QImage image = readBmp(bmp);
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(indicesOf(image), (Indices{{1, 1, 1, 1}, {0, 0, 0, 0}, {0, 2, 0, 0}, {1, 1, 2, 1}}));
    EXPECT_EQ(image.color(0), QColor(Qt::gray).rgb());
    EXPECT_EQ(image.color(2), QColor(Qt::green).rgb());
    EXPECT_EQ(readBmp(bmp), image); // the same pixels every time
}

TEST(BmpReader, DecodesRunLengthFourBitCodes)
{
    const QImage image = readBmp(runLengthBmp(5, 3, 4, {
        3, 0x12,                      // a run alternating 1, 2, 1
        0, 3, 0x21, 0x20,             // absolute 2, 1, 2: two bytes, no padding
        0, 0,                         // end of line
        0, 2, 2, 0,                   // delta two to the right
        0, 5, 0x12, 0x12, 0x10, 0,    // absolute five past the row's end: three bytes, padded
        0, 2, 0, 5,                   // delta past the top row: nothing more is written
        0, 0, 4, 0x11,
    }));
    EXPECT_EQ(indicesOf(image), (Indices{{0, 0, 0, 0, 0}, {0, 0, 1, 2, 1}, {1, 2, 1, 2, 1}}));
}

TEST(BmpReader, RunLengthDataCutOffKeepsWhatItWrote)
{
    // An absolute run of five whose data the header's image size cuts after two pixels.
    const QImage image = readBmp(runLengthBmp(4, 2, 8, {1, 2, 0, 0, 0, 5, 1, 2, 2, 2, 2}, 8));
    EXPECT_EQ(indicesOf(image), (Indices{{1, 2, 0, 0}, {2, 0, 0, 0}}));
}

TEST(BmpReader, RunLengthPixelsBeyondTheColourTableDrawAsBlack)
{
    const QImage image = readBmp(runLengthBmp(3, 1, 8, {1, 7, 1, 255, 1, 1}));
    QImage canvas(3, 1, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, image);
    painter.end();
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(2, 0), QColor(Qt::red).rgb());
}

// Found by fuzzing: a 4-bit run-length file 768 rows high whose data ends after two rows. The
// toolkit's BMP reader, which decoded these files before, drew colours past its table from it.
TEST(BmpReader, RunLengthFileFoundByFuzzingDecodesExactly)
{
    const Bytes bmp {
        0x42, 0x4d, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x76, 0x00,
        0x00, 0x01, 0x28, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x03,
        0x00, 0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00, 0x00, 0x00, 0x08, 0x00,
        0x00, 0x00, 0x13, 0x0b, 0x00, 0x00, 0x13, 0x0b, 0x00, 0x00, 0x10, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x02,
        0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2,
        0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2, 0xf2,
        0xf2, 0xf2, 0xf2, 0xf2, 0x1c, 0xf2, 0xf2, 0x1c, 0xff, 0xff, 0xff, 0xff,
        0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
        0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x0e, 0x00, 0x2d, 0x1e, 0x0f,
        0x00, 0x00, 0x25, 0xb9, 0xde, 0x03, 0x28, 0x4d, 0x72, 0x97,
    };
    const QImage image = readBmp(bmp);
    ASSERT_EQ(image.size(), QSize(5, 768));
    EXPECT_EQ(image.colorCount(), 256);
    const Indices rows = indicesOf(image);
    EXPECT_EQ(rows[767], (std::vector<int>{0, 15, 0, 15, 0}));
    EXPECT_EQ(rows[766], (std::vector<int>{11, 9, 11, 9, 11}));
    EXPECT_EQ(std::count(rows.begin(), rows.end() - 2, std::vector<int>(5, 0)), 766);
}

// Longer info headers than 40 bytes, and pictures above the toolkit's own 128 MB limit but under
// ours, read as any other bitmap.
TEST(BmpReader, RunLengthFilesTakeEveryHeaderAndSizeThatOtherBitmapsTake)
{
    for (const std::uint32_t headerSize : {52U, 56U, 108U, 124U}) {
        Bytes bmp = runLengthBmp(2, 1, 8, {2, 2, 0, 1});
        bmp[14] = static_cast<unsigned char>(headerSize);
        bmp.insert(bmp.begin() + 54, headerSize - 40, 0);
        EXPECT_EQ(indicesOf(readBmp(bmp)), (Indices{{2, 2}})) << headerSize;
    }
    const QImage large = readBmp(runLengthBmp(12000, 12000, 8, {255, 1, 0, 1}));
    EXPECT_EQ(large.size(), QSize(12000, 12000));
    EXPECT_EQ(large.pixelIndex(254, 11999), 1);
    EXPECT_EQ(large.pixelIndex(255, 11999), 0);

    EXPECT_EQ(errorOf(runLengthBmp(70000, 70000, 8, {0, 1})), "Out of system resources");
    // Within our cap, but a row wider than the toolkit takes: its pixel memory is given back.
    EXPECT_EQ(errorOf(runLengthBmp(1 << 28, 1, 8, {0, 1})), "Out of system resources");
    // Run-length codes for the wrong depth.
    Bytes mismatched = bmpHeaders(4, 4, 4, 1);
    mismatched.resize(mismatched.size() + 16 * 4 + 2, 0);
    EXPECT_EQ(errorOf(mismatched), "Bitmap image is not valid");
}

TEST(BmpReader, ReportsInvalidAndCutOffData)
{
    EXPECT_TRUE(readBmp({}).isNull());

    Bytes noSignature = solidBmp(2, 2, Qt::red);
    noSignature[0] = 'M';
    EXPECT_EQ(errorOf(noSignature), "Bitmap image is not valid");
    EXPECT_EQ(errorOf(bmpHeaders(2, 2, 24, 0, 0, 2)), "Bitmap image is not valid");
    EXPECT_EQ(errorOf(bmpHeaders(2, 2, 7)), "Bitmap image is not valid");
    EXPECT_EQ(errorOf(bmpHeaders(0, 2, 24)), "Bitmap image is not valid");

    Bytes cutHeader = solidBmp(2, 2, Qt::red);
    cutHeader.resize(30);
    EXPECT_EQ(errorOf(cutHeader), "Stream read error");
    Bytes cutTable = bmpHeaders(2, 2, 8);
    cutTable.resize(cutTable.size() + 100);
    EXPECT_EQ(errorOf(cutTable), "Stream read error");
    EXPECT_EQ(errorOf(Bytes{'B', 'M', 0}), "Stream read error");

    Bytes huge = bmpHeaders(70000, 70000, 24);
    huge.resize(huge.size() + 64);
    EXPECT_EQ(errorOf(huge), "Out of system resources");
}

} // namespace
} // namespace pictures
