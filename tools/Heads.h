#pragma once

#include "Random.h"
#include "Grasses.h"

#include <QPainter>
#include <QSizeF>

namespace artwork {

// A head is drawn with its foot at (0, 0) and its axis pointing up, in the species' units.
void drawHead(QPainter& painter, const Species& species, Random& random);

// The same with its foot at `foot`, its axis turned to `angle` (0 up, clockwise positive) and
// its size multiplied by `scale`.
void drawHeadAt(QPainter& painter, const Species& species, QPointF foot, double angle, double scale,
                Random& random);

// The head's length along its axis and its width across it, awns included.
QSizeF headExtent(const Species& species);

// The width of the stem just below the head.
double stemWidth(const Species& species);

// One spikelet of the head, its foot at (0, 0) pointing up, for an enlarged detail; and its
// length, awns included.
void drawSpikeletDetail(QPainter& painter, const Species& species, Random& random);
double spikeletDetailLength(const Species& species);

void drawDenseHead(QPainter& painter, const DenseHead& head, const Species& species, Random& random);
void drawSpike(QPainter& painter, const Spike& spike, const Species& species, Random& random);
void drawPanicle(QPainter& painter, const Panicle& panicle, const Species& species, Random& random);

void drawDenseHeadSpikelet(QPainter& painter, const DenseHead& head, const Species& species);
void drawSpikeSpikelet(QPainter& painter, const Spike& spike, const Species& species, Random& random);
void drawPanicleSpikelet(QPainter& painter, const Panicle& panicle, const Species& species, Random& random);

} // namespace artwork
