#pragma once

#include <QImage>

namespace pictures {

// A new 8-bit indexed image whose pixels are all index 0, with no colour table yet. Its pixels
// are zero bytes that the system hands out as they are first touched, so a picture whose file
// writes a few pixels of a huge claimed size costs memory only for those, and for what drawing
// reads. A null image when the memory cannot be had.
QImage newIndexedImage(int width, int height);

} // namespace pictures
