#pragma once

#include "Random.h"
#include "Grasses.h"

#include <QPainter>

namespace artwork {

// The foot of a whole plant, drawn in the species' units with the ground at y = 0 and the
// middle of the tuft at x = 0; runners and rhizomes reach out `reach` to either side.
// Roots and rhizomes below the ground...
void drawUnderground(QPainter& painter, const Species& species, double reach, Random& random);
// ...and the leaves of the tuft or tussock and the runners above it, in front of the stems.
void drawBaseLeaves(QPainter& painter, const Species& species, double reach, Random& random);

} // namespace artwork
