#include "ZeroedImage.h"

#include <cstdlib>
#include <memory>

namespace pictures {
namespace {

void freePixels(void* pixels)
{
    std::free(pixels);
}

using PixelBlock = std::unique_ptr<uchar, decltype(&freePixels)>;

} // namespace

QImage newZeroedImage(int width, int height, QImage::Format format)
{
    // Rows of whole 32-bit words, as the toolkit lays out the images it allocates itself.
    const qsizetype bitsPerPixel = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype bytesPerLine = (qsizetype{width} * bitsPerPixel + 31) / 32 * 4;
    // calloc, not malloc and a fill: large blocks come straight from the system as pages that
    // read as zero, and the C library does not clear them again.
    PixelBlock pixels(static_cast<uchar*>(std::calloc(static_cast<std::size_t>(height),
                                                      static_cast<std::size_t>(bytesPerLine))),
                      &freePixels);
    if (!pixels)
        return {};
    QImage image(pixels.get(), width, height, bytesPerLine, format, &freePixels,
                 pixels.get());
    // The image frees the pixels with its last copy; an image the toolkit refused never took them.
    if (!image.isNull())
        pixels.release();
    return image;
}

} // namespace pictures
