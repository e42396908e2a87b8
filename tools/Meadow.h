#pragma once

#include "Random.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace artwork {

// The look of one layer of meadow grass, from the far back to the very front.
struct GrassLayer {
    int blades;
    double minHeight;
    double maxHeight;
    double width;
    QColor dark;
    QColor light;
};

// Blades rising from the bottom edge of `area`, swaying a little.
void paintGrassLayer(QPainter& painter, const QRectF& area, const GrassLayer& layer, Random& random);

// Flowering grass heads of the quiz's species on tall stalks rising from `ground`.
void paintMeadowHeads(QPainter& painter, const QRectF& area, double ground, int count, double scale,
                      Random& random);

// Soft, out-of-focus spots of light.
void paintLightSpots(QPainter& painter, const QRectF& area, int count, double maxRadius, Random& random);

} // namespace artwork
