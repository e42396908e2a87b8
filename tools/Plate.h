#pragma once

#include "Grasses.h"

#include <QImage>
#include <QPainter>
#include <QSize>

#include <cstdint>

namespace artwork {

inline const QColor PaperColour(0xF4, 0xEF, 0xE0);
inline const QColor FrameColour(0x9A, 0x8C, 0x6C);

// A botanical plate of the whole plant, roots to head; designed upright at 1200 x 1600 and
// scaled to `size`.
QImage wholePlantPlate(const Species& species, QSize size, std::uint64_t seed);

// A close-up of the flowering head; designed across at 1600 x 1200 and scaled to `size`.
QImage floweringHeadPlate(const Species& species, QSize size, std::uint64_t seed);

// Starts painting a plate: the painter works in the design units of `design`, on paper inside
// a ruled frame, and clips to the frame.
void beginPlate(QPainter& painter, QImage& image, QSizeF design);

} // namespace artwork
