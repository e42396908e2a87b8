#include "Heads.h"
#include "PlantParts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artwork {
namespace {

struct PanicleDrawing {
    QPainter& painter;
    const Panicle& panicle;
    const Species& species;
    Random& random;

    void draw();
    Curve axis() const;
    void drawNode(const Curve& axis, int node);
    void drawBranch(const Curve& branch, double length);
    void drawSpikeletsAlong(const Curve& branch, int count);
    void drawClump(const Curve& branch, double side);
    void drawBranchlets(const Curve& branch, double length);
    void drawOneSpikelet(QPointF base, double angle);
};

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

// The axis rises straight and bends over near its top when the head nods.
Curve PanicleDrawing::axis() const
{
    const double length = panicle.length;
    return {QPointF(0, 0), QPointF(0, -length * 0.75),
            QPointF(panicle.nod * length * 1.3, -length * (1 - panicle.nod * 0.6))};
}

void PanicleDrawing::draw()
{
    const Curve stem = axis();
    for (int node = 0; node < panicle.nodes; ++node)
        drawNode(stem, node);
    drawStalk(painter, stem, stemWidth(species), species.stemColour);
    const Curve top{stem.at(0.9), stem.at(0.95), stem.to};
    if (panicle.clumpedAtTips)
        drawClump(top, 1.0);
    else
        drawSpikeletsAlong(top, 2);
}

// Long internodes low down, short ones towards the top; branches grow shorter upwards.
void PanicleDrawing::drawNode(const Curve& stem, int node)
{
    const double share = static_cast<double>(node) / panicle.nodes;
    const double t = 0.02 + 0.88 * (1 - std::pow(1 - share, 1.5));
    const double reach = panicle.lowestBranch + (panicle.topBranch - panicle.lowestBranch) * share;
    const int branches = panicle.minBranches + random.below(panicle.maxBranches - panicle.minBranches + 1);
    const QPointF origin = stem.at(t);
    for (int b = 0; b < branches; ++b) {
        const double side = ((b + node) % 2 == 0) ? -1.0 : 1.0;
        // The longest branch of a whorl first; the others are shorter or seen foreshortened.
        const double length = reach * panicle.length * (b == 0 ? 1.0 : random.between(0.45, 0.9));
        const double angle = stem.angleAt(t) + side * radians(panicle.branchAngle) * random.between(0.7, 1.15);
        const QPointF straightEnd = along(origin, angle, length);
        const QPointF end = straightEnd + QPointF(0, panicle.droop * length);
        drawBranch({origin, along(origin, angle, length * 0.55), end}, length);
    }
}

void PanicleDrawing::drawBranch(const Curve& branch, double length)
{
    drawStalk(painter, branch, panicle.branchWidth, species.stemColour);
    const Curve fertile{branch.at(panicle.spikeletsFrom), branch.at((1 + panicle.spikeletsFrom) / 2), branch.to};
    if (panicle.clumpedAtTips) {
        drawClump(branch, random.chance(0.5) ? 1.0 : -1.0);
        return;
    }
    if (panicle.subBranches > 0)
        drawBranchlets(fertile, length);
    const double relative = length / (panicle.lowestBranch * panicle.length);
    drawSpikeletsAlong(fertile, std::max(1, static_cast<int>(std::lround(panicle.spikeletsPerBranch * relative))));
}

// Spikelets on short stalks, leaning towards the branch's tip, the last one at the tip itself.
void PanicleDrawing::drawSpikeletsAlong(const Curve& branch, int count)
{
    for (int i = 0; i < count; ++i) {
        const double t = count == 1 ? 1.0 : static_cast<double>(i) / (count - 1);
        const double side = (i % 2 == 0) ? 1.0 : -1.0;
        const double lean = (i == count - 1) ? 0.0 : side * random.between(0.25, 0.5);
        const double angle = branch.angleAt(t) + lean;
        const QPointF foot = branch.at(t);
        const QPointF base = along(foot, angle, panicle.spikeletLength * 0.25);
        drawStalk(painter, {foot, (foot + base) / 2, base}, panicle.branchWidth * 0.6, species.stemColour);
        drawOneSpikelet(base, angle);
    }
}

// A dense, one-sided clump of spikelets at the end of a bare branch.
void PanicleDrawing::drawClump(const Curve& branch, double side)
{
    const double tipAngle = branch.angleAt(1);
    const QPointF normal = QPointF(std::cos(tipAngle), std::sin(tipAngle)) * side;
    const double size = panicle.spikeletLength;
    for (int i = 0; i < panicle.spikeletsPerBranch; ++i) {
        const double back = random.between(0.0, 2.0) * size;
        const QPointF base = along(branch.to, tipAngle, -back) + normal * random.between(0.0, 1.0) * size;
        drawOneSpikelet(base, tipAngle + side * random.between(0.0, 0.7));
    }
}

// Hair-fine branchlets, each carrying one spikelet at its end: the airy, open look.
void PanicleDrawing::drawBranchlets(const Curve& branch, double length)
{
    for (int i = 0; i < panicle.subBranches; ++i) {
        const double t = static_cast<double>(i + 1) / (panicle.subBranches + 1);
        const double side = (i % 2 == 0) ? 1.0 : -1.0;
        const double angle = branch.angleAt(t) + side * random.between(0.3, 0.7);
        const double reach = length * random.between(0.15, 0.3);
        const QPointF from = branch.at(t);
        const QPointF to = along(from, angle, reach);
        drawStalk(painter, {from, along(from, angle, reach * 0.5), to}, panicle.branchWidth * 0.7,
                  species.stemColour);
        drawOneSpikelet(to, angle);
    }
}

void PanicleDrawing::drawOneSpikelet(QPointF base, double angle)
{
    const double length = panicle.spikeletLength * random.between(0.85, 1.1);
    const QColor colour = mix(species.headColour, species.headLight, random.between(0.0, 0.45));
    if (panicle.florets >= 3)
        drawFloretStack(painter, base, angle, length, panicle.spikeletWidth, panicle.florets, colour,
                        species.headLight, species.glossy);
    else
        drawSpikelet(painter, base, angle, length, panicle.spikeletWidth, colour, species.headLight, species.glossy);
    if (panicle.awnLength > 0) {
        const double side = random.chance(0.5) ? 1.0 : -1.0;
        drawAwn(painter, along(base, angle, length * 0.35), angle + side * 0.15, panicle.awnLength,
                side * 0.7, species.headColour.darker(150), panicle.spikeletWidth * 0.07);
    }
}

} // namespace

void drawPanicleSpikelet(QPainter& painter, const Panicle& panicle, const Species& species, Random& random)
{
    PanicleDrawing{painter, panicle, species, random}.drawOneSpikelet(QPointF(0, 0), 0);
}

void drawPanicle(QPainter& painter, const Panicle& panicle, const Species& species, Random& random)
{
    PanicleDrawing{painter, panicle, species, random}.draw();
}

} // namespace artwork
