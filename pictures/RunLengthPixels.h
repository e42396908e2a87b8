#pragma once

#include <QImage>

#include <span>

namespace pictures {

// Decodes the run-length-compressed pixels of a BMP file (RLE8 for 8 bits per pixel, RLE4 for
// 4) into an 8-bit indexed image that is already sized and whose pixels are all index 0, so
// pixels that no run writes keep colour 0. Runs are clipped at the end of a row and of the
// image; the data may end anywhere. Rows come bottom row first when the file is stored
// bottom-up.
void decodeRunLength(std::span<const unsigned char> data, int bitsPerPixel, bool bottomUp,
                     QImage& image);

} // namespace pictures
