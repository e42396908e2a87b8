#pragma once

#include "Random.h"
#include "Species.h"

#include <QPainter>

namespace artwork {

// The foot of a whole plant, drawn in the species' units with the ground at y = 0 and the
// middle of the tuft at x = 0: roots and rhizomes below the ground...
void drawUnderground(QPainter& painter, const Species& species, Random& random);
// ...and the leaves of the tuft or tussock and the runners above it, in front of the stems.
void drawBaseLeaves(QPainter& painter, const Species& species, Random& random);

} // namespace artwork
