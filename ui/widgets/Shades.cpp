#include "Shades.h"

#include <QPainter>

namespace ui {

void fillShades(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

void fillOutline(QPainter& painter, const QRect& rect, const QColor& colour)
{
    fillShades(painter, rect, colour, colour);
}

} // namespace ui
