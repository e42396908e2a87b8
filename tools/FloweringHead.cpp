#include "Plate.h"

#include "Heads.h"
#include "PlantParts.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr QSizeF Design(1600, 1200);
constexpr QSizeF Room(1380, 1000);
constexpr QPointF DetailCentre(1340, 940);
constexpr double DetailRadius = 170;
constexpr double DetailTilt = 0.35;

struct Placement {
    double angle; // of the head's axis
    double scale;
};

// Leans the head across the picture at the angle that lets it be drawn largest.
Placement bestPlacement(QSizeF extent)
{
    Placement best{0, 0};
    for (const double angle : {0.45, 0.6, 0.75, 0.9}) {
        const double across = extent.height() * std::sin(angle) + extent.width() * std::cos(angle);
        const double up = extent.height() * std::cos(angle) + extent.width() * std::sin(angle);
        const double scale = std::min(Room.width() / across, Room.height() / up);
        if (scale > best.scale)
            best = {angle, scale};
    }
    return best;
}

// One spikelet enlarged in a ruled circle in the corner the head leaves free, the way
// botanical plates show the parts that tell a grass apart.
void drawDetail(QPainter& painter, const Species& species, Random& random)
{
    painter.save();
    painter.setPen(QPen(FrameColour, 2));
    painter.setBrush(PaperColour);
    painter.drawEllipse(DetailCentre, DetailRadius, DetailRadius);
    QPainterPath inside;
    inside.addEllipse(DetailCentre, DetailRadius - 2, DetailRadius - 2);
    painter.setClipPath(inside, Qt::IntersectClip);
    const double length = spikeletDetailLength(species);
    const double scale = DetailRadius * 1.7 / length;
    painter.translate(along(DetailCentre, DetailTilt, -length * scale / 2));
    painter.rotate(DetailTilt * 180 / std::numbers::pi);
    painter.scale(scale, scale);
    drawSpikeletDetail(painter, species, random);
    painter.restore();
}

} // namespace

QImage floweringHeadPlate(const Species& species, QSize size, std::uint64_t seed)
{
    Random random(seed);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter;
    beginPlate(painter, image, Design);

    const QSizeF extent = headExtent(species);
    const Placement placement = bestPlacement(extent);
    // The head's middle goes to the middle of the picture; its foot lies half a length back.
    const QPointF middle(Design.width() / 2, Design.height() / 2);
    const QPointF foot = along(middle, placement.angle, -extent.height() / 2 * placement.scale);
    painter.translate(foot);
    painter.rotate(placement.angle * 180 / std::numbers::pi);
    painter.scale(placement.scale, placement.scale);

    const double stemLength = 2 * Design.width() / placement.scale;
    drawStalk(painter, {QPointF(0, 0), QPointF(0, stemLength / 2), QPointF(0, stemLength)}, stemWidth(species),
              species.stemColour);
    drawHead(painter, species, random);
    painter.resetTransform();
    painter.scale(image.width() / Design.width(), image.height() / Design.height());
    drawDetail(painter, species, random);
    painter.end();
    return image;
}

} // namespace artwork
