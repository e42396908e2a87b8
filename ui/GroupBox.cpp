#include "GroupBox.h"

#include "Fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace ui {

GroupBox::GroupBox(QWidget* parent, const QRect& geometry, const QFont& font,
                   const QColor& textColour, const QColor& background, const std::string& caption)
    : QWidget(parent), caption_(QString::fromStdString(caption)), textColour_(textColour),
      background_(background)
{
    setFont(font);
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Both corners lie on the outline.
void GroupBox::drawOutline(QPainter& painter, const QColor& colour, QPoint topLeft, QPoint bottomRight)
{
    painter.setPen(colour);
    painter.drawLine(topLeft.x(), topLeft.y(), bottomRight.x(), topLeft.y());
    painter.drawLine(topLeft.x(), bottomRight.y(), bottomRight.x(), bottomRight.y());
    painter.drawLine(topLeft.x(), topLeft.y(), topLeft.x(), bottomRight.y());
    painter.drawLine(bottomRight.x(), topLeft.y(), bottomRight.x(), bottomRight.y());
}

void GroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    const int digitHeight = lineHeight(font());
    const int frameTop = digitHeight / 2;
    drawOutline(painter, palette().color(QPalette::Light), {1, frameTop}, {width() - 1, height() - 1});
    drawOutline(painter, palette().color(QPalette::Dark), {0, frameTop - 1}, {width() - 2, height() - 2});
    if (caption_.isEmpty())
        return;
    const QRect patch(8, 0, QFontMetrics(font()).horizontalAdvance(caption_), digitHeight);
    painter.fillRect(patch, background_);
    painter.setPen(textColour_);
    painter.setFont(font());
    painter.drawText(patch, Qt::AlignLeft | Qt::AlignTop, caption_);
}

} // namespace ui
