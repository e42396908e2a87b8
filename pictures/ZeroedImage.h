#pragma once

#include <QImage>

namespace pictures {

// A new image whose pixel bytes are all zero: index 0 in an 8-bit indexed image (with no colour
// table yet), black in a 24-bit one. The zero bytes are pages that the system hands out as they
// are first touched, so a picture whose file writes a few pixels of a huge claimed size costs
// memory only for those, and for what drawing reads. A null image when the memory cannot be had.
QImage newZeroedImage(int width, int height, QImage::Format format);

} // namespace pictures
