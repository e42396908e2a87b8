#pragma once

#include <QRect>
#include <QSize>

namespace pictures {

struct PlacementFlags {
    bool center = false;
    bool proportional = false;
    bool stretch = false;
};

// Where a picture of the given size is drawn in a box of the given client size. Scaling is
// worked in extended precision, so a 400 × 300 picture fitted into 500 × 300 is 399 wide.
QRect destinationRect(QSize picture, QSize box, PlacementFlags flags);

} // namespace pictures
