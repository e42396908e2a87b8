#include "PaintedButton.h"

#include "PushButton.h"
#include "Shades.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

PaintedButton::PaintedButton(const QString& caption, QWidget* parent, const QColor& captionColour)
    : QPushButton(caption, parent), captionColour_(captionColour)
{
    setAutoDefault(false);
}

void PaintedButton::drawFace(QPainter& painter, QRect& face) const
{
    const QPalette& colours = palette();
    if (isActiveButton(*this)) {
        fillOutline(painter, face, colours.color(QPalette::Shadow));
        face.adjust(1, 1, -1, -1);
    }
    painter.fillRect(face, colours.color(QPalette::Button));
    if (isDown()) {
        fillOutline(painter, face, colours.color(QPalette::Dark));
        return;
    }
    // The raised face: light above and left, shadow below and right, and one pixel further in
    // the face colour and the dark one.
    fillShades(painter, face, colours.color(QPalette::Light), colours.color(QPalette::Shadow));
    fillShades(painter, face.adjusted(1, 1, -1, -1), colours.color(QPalette::Button), colours.color(QPalette::Dark));
}

void PaintedButton::drawCaption(QPainter& painter, const QRect& face) const
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

void PaintedButton::paintEvent(QPaintEvent*)
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
