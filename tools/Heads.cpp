#include "Heads.h"

#include <cmath>
#include <numbers>
#include <type_traits>

namespace artwork {
namespace {

double degrees(double value)
{
    return value * std::numbers::pi / 180;
}

struct Extent {
    QSizeF operator()(const DenseHead& head) const
    {
        return {head.width + 2 * head.awnLength, head.length + head.awnLength};
    }
    QSizeF operator()(const Spike& spike) const
    {
        const double reach = (spike.spikeletLength + spike.awnLength) * std::sin(degrees(spike.angle));
        return {2 * reach + spike.spikeletLength * 0.4, spike.length + spike.spikeletLength * 0.6};
    }
    QSizeF operator()(const Panicle& panicle) const
    {
        const double branch = panicle.lowestBranch * panicle.length;
        const double reach = branch * std::sin(degrees(panicle.branchAngle));
        const double spikelet = panicle.spikeletLength + panicle.awnLength;
        return {2 * (reach + spikelet) + panicle.nod * panicle.length, panicle.length + spikelet};
    }
};

} // namespace

void drawHead(QPainter& painter, const Species& species, Random& random)
{
    std::visit([&](const auto& head) {
        using Head = std::decay_t<decltype(head)>;
        if constexpr (std::is_same_v<Head, DenseHead>)
            drawDenseHead(painter, head, species, random);
        else if constexpr (std::is_same_v<Head, Spike>)
            drawSpike(painter, head, species, random);
        else
            drawPanicle(painter, head, species, random);
    }, species.head);
}

void drawSpikeletDetail(QPainter& painter, const Species& species, Random& random)
{
    std::visit([&](const auto& head) {
        using Head = std::decay_t<decltype(head)>;
        if constexpr (std::is_same_v<Head, DenseHead>)
            drawDenseHeadSpikelet(painter, head, species);
        else if constexpr (std::is_same_v<Head, Spike>)
            drawSpikeSpikelet(painter, head, species, random);
        else
            drawPanicleSpikelet(painter, head, species, random);
    }, species.head);
}

double spikeletDetailLength(const Species& species)
{
    return std::visit([](const auto& head) {
        using Head = std::decay_t<decltype(head)>;
        if constexpr (std::is_same_v<Head, DenseHead>)
            return head.spikelet + head.awnLength;
        else
            return head.spikeletLength + head.awnLength * 0.8;
    }, species.head);
}

double stemWidth(const Species& species)
{
    if (const auto* panicle = std::get_if<Panicle>(&species.head))
        return panicle->branchWidth * 1.8;
    return std::holds_alternative<Spike>(species.head) ? 2.2 : 3.0;
}

void drawHeadAt(QPainter& painter, const Species& species, QPointF foot, double angle, double scale,
                Random& random)
{
    painter.save();
    painter.translate(foot);
    painter.rotate(angle * 180 / std::numbers::pi);
    painter.scale(scale, scale);
    drawHead(painter, species, random);
    painter.restore();
}

QSizeF headExtent(const Species& species)
{
    return std::visit(Extent{}, species.head);
}

} // namespace artwork
