#include "TestImages.h"

#include "pictures/BmpReader.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <QPainter>

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

TEST(BmpReader, DecodesRunLengthCompressedPixels)
{
    Bytes rle = bmpHeaders(4, 1, 8, 1, 2);
    appendBgra(rle, Qt::black);
    appendBgra(rle, Qt::red);
    rle.insert(rle.end(), {4, 1, 0, 1}); // four pixels of colour 1, end of bitmap
    const QImage image = readBmp(rle);
    ASSERT_EQ(image.size(), QSize(4, 1));
    EXPECT_EQ(image.pixel(3, 0), QColor(Qt::red).rgb());
}

// Found by fuzzing: a run-length 4-bit bitmap whose runs name colours past its 16-entry table.
// Drawing it read past the table inside the toolkit's painter.
TEST(BmpReader, RunLengthPixelsBeyondTheColourTableDrawAsBlack)
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
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.colorCount(), 256);
    QImage canvas(64, 64, QImage::Format_RGB32);
    QPainter painter(&canvas);
    painter.drawImage(canvas.rect(), image);
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
