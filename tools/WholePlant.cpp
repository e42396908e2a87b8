#include "Plate.h"

#include "Heads.h"
#include "PlantBase.h"
#include "PlantParts.h"

#include <QLinearGradient>
#include <QPolygonF>

#include <cmath>

namespace artwork {
namespace {

constexpr QSizeF Design(1200, 1600);
constexpr double Ground = 1390;
constexpr double PlantRoom = 1240;     // from the ground to just below the frame
constexpr double PlantHalfWidth = 470; // from the middle to just inside the frame
const QColor SoilColour(0xDE, 0xD1, 0xB0);

void paintSoil(QPainter& painter, Random& random)
{
    QLinearGradient soil(0, Ground, 0, Design.height());
    soil.setColorAt(0, SoilColour);
    soil.setColorAt(1, SoilColour.lighter(108));
    painter.fillRect(QRectF(0, Ground, Design.width(), Design.height() - Ground), soil);
    QPolygonF surface;
    for (double x = 0; x <= Design.width(); x += 24)
        surface << QPointF(x, Ground + random.between(-3, 3));
    painter.setPen(QPen(SoilColour.darker(150), 2));
    painter.drawPolyline(surface);
}

// One flowering stem with its nodes and stem leaves, the head at its top.
void drawCulm(QPainter& painter, const Species& species, double lean, double share, Random& random)
{
    const double length = species.culmLength * share;
    const Curve culm{QPointF(lean * 0.1, 0), QPointF(lean * 0.3, -length * 0.5), QPointF(lean, -length)};
    drawStalk(painter, culm, stemWidth(species) * 1.4, species.stemColour);
    const double stemLeaves[] = {0.16, 0.38, 0.58};
    for (int i = 0; i < 3; ++i) {
        const double t = stemLeaves[i];
        const double side = ((i % 2 == 0) == (lean < 0)) ? 1.0 : -1.0;
        const QPointF node = culm.at(t);
        painter.setPen(Qt::NoPen);
        painter.setBrush(species.stemColour.darker(160));
        painter.drawEllipse(node, 4.0, 2.5);
        drawBlade(painter, node, culm.angleAt(t) + side * random.between(0.3, 0.55),
                  species.culmLength * (0.3 - 0.06 * i), species.leafWidth * 0.9, side * random.between(0.3, 0.7),
                  species.leafColour, species.glossy);
    }
    drawHeadAt(painter, species, culm.to, culm.angleAt(1), share, random);
}

} // namespace

QImage wholePlantPlate(const Species& species, QSize size, std::uint64_t seed)
{
    Random random(seed);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter;
    beginPlate(painter, image, Design);
    paintSoil(painter, random);

    const double plantHeight = species.culmLength + headExtent(species).height();
    const double scale = PlantRoom / plantHeight;
    painter.translate(Design.width() / 2, Ground);
    painter.scale(scale, scale);
    const double reach = PlantHalfWidth / scale;
    drawUnderground(painter, species, reach, random);
    drawCulm(painter, species, -random.between(110, 170), random.between(0.78, 0.86), random);
    drawCulm(painter, species, random.between(110, 170), random.between(0.84, 0.92), random);
    drawCulm(painter, species, random.between(-30, 30), 1.0, random);
    drawBaseLeaves(painter, species, reach, random);
    painter.end();
    return image;
}

} // namespace artwork
