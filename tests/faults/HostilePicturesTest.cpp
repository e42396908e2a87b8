// Pictures built to exhaust memory fail with the program's own error instead, before the memory
// is taken, or take memory only for what their bytes give.
#include "tests/support/TestImages.h"
#include "tests/support/TestSystem.h"

#include "pictures/BitmapGraphic.h"
#include "pictures/JpegGraphic.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <string>


namespace {

long residentMiB()
{
    return testsystem::residentKiB() / 1024;
}

// A progressive CMYK file claiming 16000 x 16000 pixels stays under the pixel cap, but libjpeg
// would need 2 GB of coefficient buffers for it: its own memory limit refuses them.
TEST(HostilePictures, LibjpegsBuffersStayWithinItsMemoryLimit)
{
    const auto jpeg = testimages::withClaimedSize(
        testimages::encodeJpeg(testimages::filledImage(16, 16, Qt::red), testimages::JpegColours::AdobeCmyk,
                               true),
        16000, 16000);
    pictures::JpegGraphic graphic;
    graphic.readBytes(jpeg);
    const long before = residentMiB();
    EXPECT_EQ(testimages::messageOf<platform::OutOfResourcesError>([&] { testimages::drawOnce(graphic); }),
              "Out of system resources");
    EXPECT_LT(residentMiB() - before, 256);
}

// A file of a few bytes may claim a bitmap of 2^28 pixels, a size any picture may have. The
// pixels its data never writes take no memory, neither when it is read nor when it is drawn
// into a photograph box: indexed or colour, compressed or not.
TEST(HostilePictures, ABitmapOfFewBytesTakesMemoryOnlyForThePixelsItWrites)
{
    using testimages::bmpHeaders;
    const testimages::Bytes blackAndWhite{0, 0, 0, 0, 255, 255, 255, 0};
    testimages::Bytes runLength = bmpHeaders(16384, 16384, 8, 1, 2);
    runLength.insert(runLength.end(), blackAndWhite.begin(), blackAndWhite.end());
    runLength.insert(runLength.end(), {255, 1, 0, 1}); // 255 white pixels, the end
    testimages::Bytes monochrome = bmpHeaders(16384, 16384, 1, 0, 2);
    monochrome.insert(monochrome.end(), blackAndWhite.begin(), blackAndWhite.end());
    monochrome.insert(monochrome.end(), 2048, 0xAA); // one row, every other pixel white
    testimages::Bytes colour = bmpHeaders(16384, 16384, 24);
    colour.insert(colour.end(), 16384 * 3, 255); // one white row
    if (!testsystem::resetPeakResident())
        GTEST_SKIP() << "the peak resident size cannot be reset here";

    for (const auto& bmp : {runLength, monochrome, colour}) {
        testsystem::resetPeakResident();
        const long before = residentMiB();
        pictures::BitmapGraphic graphic;
        graphic.readBytes(bmp);
        QImage box(393, 480, QImage::Format_RGB32);
        QPainter painter(&box);
        graphic.draw(painter, box.rect());
        painter.end();
        EXPECT_EQ(graphic.image().pixel(0, 16383), qRgb(255, 255, 255));
        EXPECT_EQ(graphic.image().pixel(1, 16382), qRgb(0, 0, 0));
        // A quarter of the bitmap's size: AddressSanitizer marks the block in its shadow, an
        // eighth of its size.
        const qsizetype bytes = graphic.image().sizeInBytes();
        EXPECT_LT(testsystem::peakResidentKiB() / 1024 - before, bytes / 4 / (1024 * 1024))
            << "a bitmap of " << bytes << " bytes";
    }
}

} // namespace
