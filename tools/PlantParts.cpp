#include "PlantParts.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr int OutlineSteps = 14;

// The outline of a body whose centre line is a circular arc, its half-width given by a profile
// over the share t of the length: the first side from base to tip, the other back again.
template<typename Profile>
QPolygonF bodyOutline(QPointF base, double angle, double length, double bend, Profile halfWidth)
{
    QPolygonF left;
    QPolygonF right;
    QPointF point = base;
    const double step = length / OutlineSteps;
    for (int i = 0; i <= OutlineSteps; ++i) {
        const double t = static_cast<double>(i) / OutlineSteps;
        const double direction = angle + bend * t;
        const double side = halfWidth(t);
        const QPointF normal(std::cos(direction), std::sin(direction));
        left << point - normal * side;
        right << point + normal * side;
        point = along(point, direction, step);
    }
    QPolygonF outline = left;
    for (auto it = right.crbegin(); it != right.crend(); ++it)
        outline << *it;
    return outline;
}

} // namespace

QColor mix(const QColor& a, const QColor& b, double t)
{
    const auto channel = [t](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QPointF along(QPointF from, double angle, double distance)
{
    return from + QPointF(std::sin(angle), -std::cos(angle)) * distance;
}

void drawBlade(QPainter& painter, QPointF base, double angle, double length, double width,
               double bend, const QColor& colour, bool glossy)
{
    const auto profile = [width](double t) { return width / 2 * std::pow(1 - t, 0.7); };
    painter.setPen(QPen(colour.darker(125), 1.0));
    painter.setBrush(colour);
    painter.drawPolygon(bodyOutline(base, angle, length, bend, profile));
    if (glossy) {
        const auto shine = [width](double t) { return width / 7 * std::pow(1 - t, 0.9); };
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour.lighter(150));
        painter.drawPolygon(bodyOutline(base, angle, length * 0.8, bend * 0.8, shine));
    }
}

QPointF Curve::at(double t) const
{
    const double u = 1 - t;
    return from * (u * u) + control * (2 * u * t) + to * (t * t);
}

double Curve::angleAt(double t) const
{
    const QPointF direction = (control - from) * (2 * (1 - t)) + (to - control) * (2 * t);
    return std::atan2(direction.x(), -direction.y());
}

void drawStalk(QPainter& painter, const Curve& curve, double width, const QColor& colour)
{
    QPainterPath path(curve.from);
    path.quadTo(curve.control, curve.to);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void drawSpikelet(QPainter& painter, QPointF base, double angle, double length, double width,
                  const QColor& colour, const QColor& light, bool glossy)
{
    const auto body = [width](double t) {
        return width / 2 * std::pow(std::sin(std::numbers::pi * t), 0.75) * (1.15 - 0.3 * t);
    };
    painter.setPen(QPen(colour.darker(140), width / 14));
    painter.setBrush(colour);
    painter.drawPolygon(bodyOutline(base, angle, length, 0, body));
    // The paler side: a narrower body shifted towards the light.
    const auto side = [width](double t) { return width / 4 * std::pow(std::sin(std::numbers::pi * t), 0.9); };
    const QPointF shift = QPointF(-std::cos(angle), -std::sin(angle)) * (width / 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glossy ? light.lighter(112) : light);
    painter.drawPolygon(bodyOutline(base + shift, angle, length * 0.9, 0, side));
}

void drawFloretStack(QPainter& painter, QPointF base, double angle, double length, double width,
                     int florets, const QColor& colour, const QColor& light, bool glossy)
{
    drawSpikelet(painter, base, angle, length, width, colour.darker(110), light, glossy);
    const double floret = length * 0.5;
    for (int j = 0; j < florets; ++j) {
        const double share = static_cast<double>(j) / (florets - 1);
        const QPointF at = along(base, angle, (length - floret) * share);
        drawSpikelet(painter, at, angle, floret, std::min(width * 0.8, floret * 0.62),
                     mix(colour, light, 0.15 + 0.35 * share), light, glossy);
    }
}

void drawAwn(QPainter& painter, QPointF start, double angle, double length, double knee,
             const QColor& colour, double width)
{
    const QPointF bend = along(start, angle, length * 0.45);
    const QPointF tip = along(bend, angle + knee, length * 0.55);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{start, bend, tip});
}

} // namespace artwork
