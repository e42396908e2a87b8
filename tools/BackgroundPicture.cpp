#include "PaintedArtwork.h"

#include "Meadow.h"
#include "WedgeBitmap.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace artwork {
namespace {

constexpr int Width = 963;
constexpr int Height = 584;
constexpr int MeadowWidth = 447;
constexpr double Horizon = 250;

void paintSky(QPainter& painter, const QRectF& area)
{
    QLinearGradient sky(0, 0, 0, Horizon);
    sky.setColorAt(0, QColor(0x7F, 0xB0, 0xDE));
    sky.setColorAt(1, QColor(0xE2, 0xEC, 0xEE));
    painter.fillRect(area, sky);
}

// Rolling hills and a dark line of trees along the horizon.
void paintDistance(QPainter& painter, Random& random)
{
    QPolygonF hills;
    hills << QPointF(0, Height);
    for (int x = 0; x <= MeadowWidth; x += 8)
        hills << QPointF(x, Horizon - 30 + 14 * std::sin(x / 70.0) + 6 * std::sin(x / 23.0));
    hills << QPointF(MeadowWidth, Height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x88, 0xA8, 0x78));
    painter.drawPolygon(hills);
    painter.setBrush(QColor(0x3E, 0x5E, 0x38));
    for (int x = 0; x <= MeadowWidth; x += 9) {
        const double radius = random.between(7, 16);
        painter.drawEllipse(QPointF(x, Horizon - radius * 0.6), radius, radius * 1.2);
    }
}

void paintField(QPainter& painter, Random& random)
{
    QLinearGradient field(0, Horizon, 0, Height);
    field.setColorAt(0, QColor(0xA8, 0xC0, 0x5E));
    field.setColorAt(1, QColor(0x56, 0x86, 0x30));
    painter.fillRect(QRectF(0, Horizon, MeadowWidth, Height - Horizon), field);
    // Flowers grow smaller towards the horizon.
    const QColor petals[] = {QColor(250, 250, 245), QColor(246, 214, 64), QColor(176, 120, 196)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const double depth = random.unit();
        const QPointF at(random.between(0, MeadowWidth), Horizon + 6 + depth * depth * (Height - Horizon));
        painter.setBrush(petals[random.below(3)]);
        const double size = 0.8 + 3.5 * depth;
        painter.drawEllipse(at, size, size * 0.8);
    }
}

// The wedge's two yellows, split by a line rising from left to right.
void paintYellows(QPainter& painter)
{
    painter.fillRect(QRect(MeadowWidth, 0, Width - MeadowWidth, Height), WedgeLowerYellow);
    const QPolygonF upper{QPointF(MeadowWidth, 0), QPointF(Width, 0), QPointF(Width, 150),
                          QPointF(MeadowWidth, 470)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(WedgeUpperYellow);
    painter.drawPolygon(upper);
}

} // namespace

QImage backgroundPicture()
{
    Random random(0x0BAC6);
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF meadow(0, 0, MeadowWidth, Height);
    painter.setClipRect(meadow);
    paintSky(painter, meadow);
    paintDistance(painter, random);
    paintField(painter, random);
    paintGrassLayer(painter, meadow, {260, 40, 140, 5, QColor(0x4A, 0x7A, 0x2C), QColor(0x9C, 0xBC, 0x58)}, random);
    paintMeadowHeads(painter, meadow, Height + 10, 9, 0.45, random);
    paintGrassLayer(painter, meadow, {90, 60, 200, 9, QColor(0x2E, 0x5A, 0x22), QColor(0x6E, 0x9A, 0x3E)}, random);
    painter.setClipping(false);
    paintYellows(painter);
    return image;
}

} // namespace artwork
