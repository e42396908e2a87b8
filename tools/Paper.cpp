#include "Plate.h"

#include <QRadialGradient>

namespace artwork {
namespace {

constexpr double FrameInset = 28;
const QColor PaperEdge(0xE6, 0xDD, 0xC4);

} // namespace

void beginPlate(QPainter& painter, QImage& image, QSizeF design)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(image.width() / design.width(), image.height() / design.height());

    const QRectF page(QPointF(0, 0), design);
    QRadialGradient light(page.center(), design.width() * 0.75);
    light.setColorAt(0, PaperColour.lighter(102));
    light.setColorAt(1, PaperEdge);
    painter.fillRect(page, light);

    const QRectF frame = page.adjusted(FrameInset, FrameInset, -FrameInset, -FrameInset);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(FrameColour, 3));
    painter.drawRect(frame);
    painter.setPen(QPen(FrameColour, 1));
    painter.drawRect(frame.adjusted(8, 8, -8, -8));
    painter.setClipRect(frame.adjusted(9, 9, -9, -9));
}

} // namespace artwork
