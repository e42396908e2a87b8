#pragma once

#include <QColor>

#include <vector>

namespace artwork {

// The two yellows of the intro panel's wedge, also repeated in the background picture.
inline const QColor WedgeUpperYellow{255, 255, 0};
inline const QColor WedgeLowerYellow{255, 255, 128};

// The wedge picture: a 181 x 269 BMP file, 24 bits per pixel, rows bottom-up, 146,390 bytes.
// The upper yellow lies above the straight line from the left edge at row 202 to the right
// edge at row 94 (rows counted from the top); the pixels on and below it take the lower yellow.
std::vector<unsigned char> wedgeBitmap();

} // namespace artwork
