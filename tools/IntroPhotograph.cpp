#include "PaintedArtwork.h"

#include "Meadow.h"

#include <QLinearGradient>
#include <QPainter>

namespace artwork {

QImage introPhotograph()
{
    constexpr int width = 1488;
    constexpr int height = 1984;
    Random random(0x1A7D0);
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, width, height);

    QLinearGradient depth(0, 0, 0, height);
    depth.setColorAt(0, QColor(0xD8, 0xE4, 0xA8));
    depth.setColorAt(0.45, QColor(0x8C, 0xAE, 0x5A));
    depth.setColorAt(1, QColor(0x2A, 0x50, 0x20));
    painter.fillRect(area, depth);
    paintLightSpots(painter, QRectF(0, 0, width, height * 0.55), 45, 140, random);

    paintGrassLayer(painter, area, {300, 700, 1500, 12, QColor(0x7C, 0x9E, 0x52), QColor(0xB8, 0xCC, 0x84)}, random);
    paintMeadowHeads(painter, QRectF(60, 120, width - 120, height), height + 20, 12, 1.6, random);
    paintGrassLayer(painter, area, {160, 500, 1200, 22, QColor(0x3A, 0x66, 0x28), QColor(0x72, 0x9C, 0x44)}, random);
    paintGrassLayer(painter, area, {50, 300, 800, 40, QColor(0x22, 0x44, 0x18), QColor(0x4E, 0x7C, 0x30)}, random);
    return image;
}

} // namespace artwork
