#include "Heads.h"
#include "PlantParts.h"

#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr double ZigZag = 1.6;

// Where spikelet i sits on the stem: wider apart low down, closer towards the top.
double spikeletHeight(const Spike& spike, int index)
{
    const double share = static_cast<double>(index) / (spike.spikelets - 1);
    return spike.length * std::pow(share, 0.85) * 0.92;
}

// Edge-on: the florets fan out in two ranks from the spikelet's foot; one glume on the outside.
void drawEdgeOnSpikelet(QPainter& painter, const Spike& spike, const Species& species,
                        QPointF base, double angle, double side, Random& random)
{
    const double length = spike.spikeletLength * random.between(0.9, 1.05);
    const double floret = length * 0.4;
    drawSpikelet(painter, base, angle + side * 0.12, length * 0.55, length * 0.12,
                 species.headColour.darker(115), species.headLight, species.glossy);
    for (int j = 0; j < spike.florets; ++j) {
        const double share = static_cast<double>(j) / (spike.florets - 1);
        const double rank = (j % 2 == 0) ? 1.0 : -1.0;
        const QPointF at = along(base, angle, (length - floret) * share)
                           + QPointF(std::cos(angle), std::sin(angle)) * (rank * length * 0.035);
        const double direction = angle + rank * 0.16;
        const QColor colour = mix(species.headColour, species.headLight, random.between(0.0, 0.5));
        drawSpikelet(painter, at, direction, floret, floret * 0.38, colour, species.headLight, species.glossy);
        if (spike.awnLength > 0)
            drawAwn(painter, along(at, direction, floret * 0.95), direction, spike.awnLength, 0,
                    species.headColour.darker(115), spike.spikeletLength * 0.012);
    }
}

// Flat against the stem: a broad, closed spikelet pressed to it.
void drawFlatSpikelet(QPainter& painter, const Spike& spike, const Species& species,
                      QPointF base, double angle, Random& random)
{
    const double length = spike.spikeletLength * random.between(0.92, 1.05);
    drawFloretStack(painter, base, angle, length, length * 0.42, spike.florets, species.headColour,
                    species.headLight, species.glossy);
}

void drawRachis(QPainter& painter, const Spike& spike, const Species& species)
{
    QPolygonF rachis;
    rachis << QPointF(0, 0);
    for (int i = 0; i < spike.spikelets; ++i)
        rachis << QPointF((i % 2 == 0 ? -ZigZag : ZigZag), -spikeletHeight(spike, i));
    painter.setPen(QPen(species.stemColour, stemWidth(species), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(rachis);
}

} // namespace

void drawSpikeSpikelet(QPainter& painter, const Spike& spike, const Species& species, Random& random)
{
    if (spike.flatAgainstStem)
        drawFlatSpikelet(painter, spike, species, QPointF(0, 0), 0, random);
    else
        drawEdgeOnSpikelet(painter, spike, species, QPointF(0, 0), 0, 1, random);
}

void drawSpike(QPainter& painter, const Spike& spike, const Species& species, Random& random)
{
    drawRachis(painter, spike, species);
    const double spread = spike.angle * std::numbers::pi / 180;
    for (int i = 0; i < spike.spikelets; ++i) {
        const bool last = i == spike.spikelets - 1;
        const double side = (i % 2 == 0) ? -1.0 : 1.0;
        const double angle = last ? 0.0 : side * spread * random.between(0.85, 1.1);
        const QPointF base(side * ZigZag, -spikeletHeight(spike, i));
        if (spike.flatAgainstStem)
            drawFlatSpikelet(painter, spike, species, base, angle, random);
        else
            drawEdgeOnSpikelet(painter, spike, species, base, angle, side, random);
    }
}

} // namespace artwork
