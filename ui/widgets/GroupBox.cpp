#include "GroupBox.h"

#include "Fonts.h"
#include "Shades.h"

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

void GroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    const int digitHeight = lineHeight(font());
    const int frameTop = digitHeight / 2;
    // Both corners lie on the outline.
    fillOutline(painter, QRect(QPoint(1, frameTop), QPoint(width() - 1, height() - 1)), palette().color(QPalette::Light));
    fillOutline(painter, QRect(QPoint(0, frameTop - 1), QPoint(width() - 2, height() - 2)), palette().color(QPalette::Dark));
    if (caption_.isEmpty())
        return;
    const QRect patch(8, 0, QFontMetrics(font()).horizontalAdvance(caption_), digitHeight);
    painter.fillRect(patch, background_);
    painter.setPen(textColour_);
    painter.setFont(font());
    painter.drawText(patch, Qt::AlignLeft | Qt::AlignTop, caption_);
}

} // namespace ui
