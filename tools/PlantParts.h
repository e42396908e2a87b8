#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace artwork {

// The colour a share t of the way from a to b.
QColor mix(const QColor& a, const QColor& b, double t);

// Directions are angles in radians: 0 points up, positive turns clockwise.
QPointF along(QPointF from, double angle, double distance);

// A leaf blade from its base, bending by `bend` radians over its length and tapering to a point.
void drawBlade(QPainter& painter, QPointF base, double angle, double length, double width,
               double bend, const QColor& colour, bool glossy);

// A quadratic curve: stems, branches, runners.
struct Curve {
    QPointF from;
    QPointF control;
    QPointF to;

    QPointF at(double t) const;
    // The direction of travel at t, as an angle (0 up, clockwise positive).
    double angleAt(double t) const;
};

// A stem or branch stroked with round ends.
void drawStalk(QPainter& painter, const Curve& curve, double width, const QColor& colour);

// A spikelet: a pointed oval from its base towards `angle`, its sunlit side in `light`.
void drawSpikelet(QPainter& painter, QPointF base, double angle, double length, double width,
                  const QColor& colour, const QColor& light, bool glossy);

// A closed spikelet of several florets overlapping like tiles, the upper ones paler.
void drawFloretStack(QPainter& painter, QPointF base, double angle, double length, double width,
                     int florets, const QColor& colour, const QColor& light, bool glossy);

// A fine awn: straight for its first part, then bent at a knee by `knee` radians.
void drawAwn(QPainter& painter, QPointF start, double angle, double length, double knee,
             const QColor& colour, double width);

} // namespace artwork
