#pragma once

#include <QImage>

#include <vector>

namespace artwork {

// Baseline JFIF 1.01 at 96 dots per inch, three 8-bit components, optimised Huffman tables.
// The same image and quality give the same bytes every time.
std::vector<unsigned char> encodeJpeg(const QImage& image, int quality);

} // namespace artwork
