#include "Heads.h"
#include "PlantParts.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace artwork {
namespace {

// Half the head's width at the share t of its length: even or narrowing, rounded at both ends.
double halfWidth(const DenseHead& head, double t)
{
    double radius = head.width / 2 * (1 - head.taper * std::pow(t, 1.5));
    const double end = std::min(0.45, head.width / head.length * 0.7);
    if (t > 1 - end)
        radius *= std::sqrt(std::max(0.0, 1 - std::pow((t - (1 - end)) / end, 2)));
    if (t < end / 2)
        radius *= std::sqrt(std::max(0.0, 1 - std::pow((end / 2 - t) / (end / 2), 2)));
    return radius;
}

void drawBody(QPainter& painter, const DenseHead& head, const Species& species)
{
    constexpr int steps = 200;
    QPolygonF outline;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        outline << QPointF(-halfWidth(head, t), -t * head.length);
    }
    for (int i = steps; i >= 0; --i) {
        const double t = static_cast<double>(i) / steps;
        outline << QPointF(halfWidth(head, t), -t * head.length);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(species.headColour.darker(120));
    painter.drawPolygon(outline);
}

struct Placed {
    QPointF base;
    double across; // -1 at the left edge, 0 facing the viewer, 1 at the right edge
};

// Spikelets scattered over the head's whole surface, the ones at the sides first so that those
// facing the viewer lie on top.
std::vector<Placed> scatterSpikelets(const DenseHead& head, Random& random)
{
    const int count = static_cast<int>(head.length * head.width / (head.spikelet * head.spikelet * 0.2));
    std::vector<Placed> placed;
    for (int i = 0; i < count; ++i) {
        const double t = random.between(0.0, 0.99);
        const double across = random.between(-1.0, 1.0);
        const double radius = halfWidth(head, t);
        if (radius > head.spikelet * 0.2)
            placed.push_back({QPointF(across * std::max(0.0, radius - head.spikelet * 0.2),
                                      -t * head.length + head.spikelet * 0.3), across});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return std::abs(a.across) > std::abs(b.across); });
    return placed;
}

} // namespace

void drawDenseHeadSpikelet(QPainter& painter, const DenseHead& head, const Species& species)
{
    drawSpikelet(painter, QPointF(0, 0), 0, head.spikelet, head.spikelet * 0.42,
                 mix(species.headColour, species.headLight, 0.4), species.headLight, species.glossy);
    if (head.awnLength > 0)
        drawAwn(painter, QPointF(0, -head.spikelet * 0.9), 0, head.awnLength, 0,
                species.headColour.darker(110), head.spikelet * 0.04);
}

// Hundreds of small spikelets packed over a cylinder: those in the middle face the light and
// are paler, those at the sides turn away and darken, so the head reads as round.
void drawDenseHead(QPainter& painter, const DenseHead& head, const Species& species, Random& random)
{
    drawBody(painter, head, species);
    for (const Placed& spikelet : scatterSpikelets(head, random)) {
        const double angle = spikelet.across * 0.55 + random.between(-0.2, 0.2);
        const double length = head.spikelet * random.between(0.8, 1.15);
        const double light = std::clamp(0.75 * (1 - std::abs(spikelet.across)) + random.between(0.0, 0.35), 0.0, 1.0);
        const QColor colour = mix(species.headColour.darker(110), species.headLight, light * 0.7);
        drawSpikelet(painter, spikelet.base, angle, length, length * 0.42, colour, species.headLight, species.glossy);
        if (head.awnLength > 0) {
            const QPointF tip = along(spikelet.base, angle, length * 0.9);
            drawAwn(painter, tip, angle + random.between(-0.15, 0.15), head.awnLength, 0,
                    mix(species.headColour, species.headLight, 0.6), head.spikelet * 0.05);
        }
    }
}

} // namespace artwork
