#pragma once

#include <QImage>

#include <span>

namespace pictures {

// Reads a complete BMP file (file header, info header, colour table, pixels) into an image.
// No bytes give a null image. Raises InvalidGraphicError "Bitmap image is not valid" for data
// that is not a bitmap, StreamReadError when a header or the colour table is cut off, and
// OutOfResourcesError for an image too large to hold.
QImage readBmp(std::span<const unsigned char> bytes);

} // namespace pictures
