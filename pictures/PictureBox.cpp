#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace pictures {
namespace {

PictureBox::PaintErrorSink& paintErrorSink()
{
    static PictureBox::PaintErrorSink sink;
    return sink;
}

// A box with no area covers nothing: it may be given its size only after its picture.
bool covers(const QRect& drawn, QSize box)
{
    return !box.isEmpty() && drawn.left() <= 0 && drawn.top() <= 0 && drawn.x() + drawn.width() >= box.width()
        && drawn.y() + drawn.height() >= box.height();
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    resize(105, 105);
    picture_.setChangeListener([this] { pictureChanged(); });
}

Picture& PictureBox::picture()
{
    return picture_;
}

const Picture& PictureBox::picture() const
{
    return picture_;
}

void PictureBox::assignPicture(const Picture& source)
{
    picture_.assign(source);
}

bool PictureBox::center() const
{
    return placement_.center;
}

bool PictureBox::proportional() const
{
    return placement_.proportional;
}

bool PictureBox::stretch() const
{
    return placement_.stretch;
}

bool PictureBox::transparent() const
{
    return transparent_;
}

void PictureBox::setCenter(bool on)
{
    setFlag(placement_.center, on);
}

void PictureBox::setProportional(bool on)
{
    setFlag(placement_.proportional, on);
}

void PictureBox::setStretch(bool on)
{
    setFlag(placement_.stretch, on);
}

void PictureBox::setTransparent(bool on)
{
    setFlag(transparent_, on);
}

void PictureBox::setFlag(bool& flag, bool on)
{
    if (flag == on)
        return;
    flag = on;
    pictureChanged();
}

QRect PictureBox::destinationRect() const
{
    return pictures::destinationRect(QSize(picture_.width(), picture_.height()), size(),
                                     placement_);
}

bool PictureBox::isOpaque() const
{
    return opaque_;
}

void PictureBox::setPaintErrorSink(PaintErrorSink sink)
{
    paintErrorSink() = std::move(sink);
}

void PictureBox::pictureChanged()
{
    Graphic* graphic = picture_.graphic();
    if (graphic && graphic->kind() != GraphicKind::Icon && graphic->kind() != GraphicKind::Metafile)
        graphic->setTransparent(transparent_);
    opaque_ = graphic && !graphic->transparent() && covers(destinationRect(), size());
    setAttribute(Qt::WA_OpaquePaintEvent, opaque_);
    prepareDrawingIfShown();
    if (!drawing_)
        update();
}

// At the next turn of the event loop: a handler that shows a box may give it its new picture
// next (the detail view does), and the picture it held until then need not decode.
void PictureBox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    QMetaObject::invokeMethod(this, &PictureBox::prepareDrawingIfShown, Qt::QueuedConnection);
}

void PictureBox::prepareDrawingIfShown()
{
    Graphic* graphic = picture_.graphic();
    if (graphic && isVisible())
        graphic->prepareToDraw();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    const bool wasDrawing = drawing_;
    drawing_ = true;
    try {
        drawPicture();
    } catch (const std::exception& error) {
        // Never into Qt's event dispatch: the windows report it after the paint.
        if (paintErrorSink())
            paintErrorSink()(error.what());
    }
    drawing_ = wasDrawing;
}

void PictureBox::drawPicture()
{
    Graphic* graphic = picture_.graphic();
    if (!graphic)
        return;
    QPainter painter(this);
    graphic->draw(painter, destinationRect());
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace pictures
