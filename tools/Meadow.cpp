#include "Meadow.h"

#include "Heads.h"
#include "PlantParts.h"
#include "Grasses.h"

#include <QRadialGradient>

#include <cmath>

namespace artwork {

void paintGrassLayer(QPainter& painter, const QRectF& area, const GrassLayer& layer, Random& random)
{
    for (int i = 0; i < layer.blades; ++i) {
        const QPointF base(random.between(area.left() - 20, area.right() + 20), area.bottom() + 10);
        const double height = random.between(layer.minHeight, layer.maxHeight);
        const double angle = random.between(-0.35, 0.35);
        const double bend = angle * random.between(0.5, 2.0);
        const QColor colour = mix(layer.dark, layer.light, random.unit());
        drawBlade(painter, base, angle, height, layer.width * random.between(0.7, 1.2), bend, colour, false);
    }
}

void paintMeadowHeads(QPainter& painter, const QRectF& area, double ground, int count, double scale,
                      Random& random)
{
    const auto& species = allSpecies();
    for (int i = 0; i < count; ++i) {
        const Species& grass = species[static_cast<std::size_t>(random.below(SpeciesCount))];
        const QPointF foot(random.between(area.left(), area.right()), ground);
        const double lean = random.between(-0.25, 0.25);
        const double height = random.between(0.45, 0.85) * (ground - area.top());
        const Curve stalk{foot, along(foot, lean * 0.3, height * 0.5), along(foot, lean, height)};
        drawStalk(painter, stalk, 2.5 * scale, grass.stemColour);
        drawHeadAt(painter, grass, stalk.to, stalk.angleAt(1), scale, random);
    }
}

void paintLightSpots(QPainter& painter, const QRectF& area, int count, double maxRadius, Random& random)
{
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF centre(random.between(area.left(), area.right()), random.between(area.top(), area.bottom()));
        const double radius = random.between(maxRadius * 0.3, maxRadius);
        QRadialGradient spot(centre, radius);
        spot.setColorAt(0, QColor(250, 252, 220, 90));
        spot.setColorAt(1, QColor(250, 252, 220, 0));
        painter.setBrush(spot);
        painter.drawEllipse(centre, radius, radius);
    }
}

} // namespace artwork
