#include "PlantBase.h"

#include "PlantParts.h"

#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace artwork {
namespace {

const QColor RootColour(0xA8, 0x96, 0x74);
const QColor RhizomeColour(0xF0, 0xE8, 0xCE);
const QColor StrawColour(0xBC, 0xAC, 0x7C);

void drawRoot(QPainter& painter, QPointF from, double length, Random& random)
{
    QPolygonF root;
    double angle = std::numbers::pi + random.between(-0.9, 0.9);
    QPointF point = from;
    root << point;
    for (int i = 0; i < 8; ++i) {
        angle += random.between(-0.25, 0.25);
        point = along(point, angle, length / 8);
        root << point;
    }
    painter.setPen(QPen(RootColour, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(root);
}

double sign(double value)
{
    return value < 0 ? -1.0 : 1.0;
}

// A blade leaning to its side and bending further outwards as it grows.
void drawLeaningBlade(QPainter& painter, QPointF base, double angle, double length, double width,
                      const QColor& colour, bool glossy, Random& random)
{
    const double bend = sign(angle) * random.between(0.3, 0.9);
    drawBlade(painter, base, angle, length, width, bend, colour, glossy);
}

void drawTuft(QPainter& painter, const Species& species, Random& random)
{
    for (int i = 0; i < 14; ++i) {
        const QPointF base(random.between(-20, 20), 0);
        const QColor colour = mix(species.leafColour, species.leafColour.darker(130), random.unit());
        drawLeaningBlade(painter, base, random.between(-1.1, 1.1), species.culmLength * random.between(0.22, 0.45),
                         species.leafWidth * random.between(0.8, 1.1), colour, species.glossy, random);
    }
}

// Many fine leaves, old straw-coloured ones underneath, in a dense mound.
void drawTussock(QPainter& painter, const Species& species, Random& random)
{
    for (int i = 0; i < 130; ++i) {
        const bool withered = i < 30;
        const QPointF base(random.between(-80, 80), random.between(-4, 4));
        const QColor colour = withered ? StrawColour : mix(species.leafColour, species.leafColour.lighter(125), random.unit());
        drawLeaningBlade(painter, base, random.between(-1.35, 1.35), species.culmLength * random.between(0.25, 0.55),
                         species.leafWidth * random.between(0.7, 1.0), colour, false, random);
    }
}

// Runners creep over the ground to both sides and root and sprout at their nodes.
void drawRunners(QPainter& painter, const Species& species, double reach, Random& random)
{
    for (const double side : {-1.0, 1.0}) {
        const Curve runner{QPointF(side * 10, -2), QPointF(side * reach * 0.5, -36), QPointF(side * reach, -4)};
        drawStalk(painter, runner, 5, mix(species.stemColour, species.headColour, 0.45));
        for (const double t : {0.35, 0.68, 1.0}) {
            const QPointF node = runner.at(t);
            for (int r = 0; r < 4; ++r)
                drawRoot(painter, node, random.between(20, 45), random);
            for (int b = 0; b < 3; ++b)
                drawLeaningBlade(painter, node, random.between(-0.7, 0.7), random.between(50, 95),
                                 species.leafWidth * 0.8, species.leafColour, species.glossy, random);
        }
    }
}

// Pale rhizomes run below the ground, with scale leaves and roots at their nodes and a young
// shoot where each one ends.
void drawRhizomes(QPainter& painter, const Species& species, double reach, Random& random)
{
    for (const double side : {-1.0, 1.0}) {
        const Curve rhizome{QPointF(side * 10, 24), QPointF(side * reach * 0.5, 130), QPointF(side * reach * 0.95, 70)};
        drawStalk(painter, rhizome, 12, RhizomeColour.darker(140));
        drawStalk(painter, rhizome, 9, RhizomeColour);
        for (int n = 1; n <= 7; ++n) {
            const QPointF node = rhizome.at(n / 7.0);
            for (int r = 0; r < 3; ++r)
                drawRoot(painter, node, random.between(25, 55), random);
            drawBlade(painter, node, rhizome.angleAt(n / 7.0) + 0.4, 16, 5, 0, StrawColour, false);
        }
        const QPointF end = rhizome.to;
        const QPointF surface(end.x() + side * 14, -2);
        drawStalk(painter, {end, QPointF(end.x() + side * 16, 30), surface}, 5, RhizomeColour.darker(110));
        for (int b = 0; b < 3; ++b)
            drawLeaningBlade(painter, surface, random.between(-0.5, 0.5), random.between(90, 150),
                             species.leafWidth * 0.8, species.leafColour, species.glossy, random);
    }
}

} // namespace

void drawUnderground(QPainter& painter, const Species& species, double reach, Random& random)
{
    for (int i = 0; i < 34; ++i)
        drawRoot(painter, QPointF(random.between(-28, 28), 2), random.between(60, 170), random);
    if (species.base == BaseForm::Rhizomes)
        drawRhizomes(painter, species, reach, random);
}

void drawBaseLeaves(QPainter& painter, const Species& species, double reach, Random& random)
{
    if (species.base == BaseForm::Tussock)
        drawTussock(painter, species, random);
    else
        drawTuft(painter, species, random);
    if (species.base == BaseForm::Runners)
        drawRunners(painter, species, reach, random);
}

} // namespace artwork
