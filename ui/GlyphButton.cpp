#include "GlyphButton.h"

#include "PushButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace ui {

GlyphButton::GlyphButton(const QString& caption, QWidget* parent, const QColor& captionColour)
    : QPushButton(caption, parent), captionColour_(captionColour)
{
    setAutoDefault(false);
}

void GlyphButton::drawFace(QPainter& painter, QRect& face) const
{
    const QPalette& colours = palette();
    if (isActiveButton(*this)) {
        painter.setPen(colours.color(QPalette::Shadow));
        painter.drawRect(face.adjusted(0, 0, -1, -1));
        face.adjust(1, 1, -1, -1);
    }
    if (isDown()) {
        painter.setPen(colours.color(QPalette::Dark));
        painter.setBrush(colours.color(QPalette::Button));
        painter.drawRect(face.adjusted(0, 0, -1, -1));
        painter.setBrush(Qt::NoBrush);
    } else {
        qDrawWinButton(&painter, face, colours, false, &colours.brush(QPalette::Button));
    }
}

void GlyphButton::drawCaption(QPainter& painter, const QRect& face) const
{
    const QRect area = isDown() ? face.translated(1, 1) : face;
    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(captionColour_);
    } else {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(area.translated(1, 1), Qt::AlignCenter | Qt::TextShowMnemonic, text());
        painter.setPen(palette().color(QPalette::Dark));
    }
    painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void GlyphButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect face = rect();
    drawFace(painter, face);
    drawCaption(painter, face);
    if (isActiveButton(*this) && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace ui
