#include "DrawnPicture.h"

#include <QPainter>

QImage drawnPixels(const pictures::Picture& picture)
{
    QImage canvas(picture.width(), picture.height(), QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    picture.graphic()->draw(painter, canvas.rect());
    return canvas;
}
