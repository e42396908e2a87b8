#include "BitmapGraphic.h"

#include "BmpReader.h"
#include "PictureSupport.h"

#include <QPainter>

namespace pictures {

BitmapGraphic::BitmapGraphic(QImage image) : image_(std::move(image)) {}

void BitmapGraphic::readBytes(std::vector<unsigned char> bytes)
{
    image_ = readBmp(bytes);
}

void BitmapGraphic::draw(QPainter& painter, const QRect& rect)
{
    if (image_.isNull())
        return;
    // Whole pixels are dropped or repeated; only a display of 8 bits or fewer, showing an image
    // of more bits than it has, gets a smoothed (halftone) stretch.
    const bool halftone = displayBitsPerPixel() <= 8 && displayBitsPerPixel() < image_.depth();
    const bool smoothing = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, halftone);
    painter.drawImage(rect, image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smoothing);
}

std::unique_ptr<Graphic> BitmapGraphic::copy() const
{
    auto copied = std::make_unique<BitmapGraphic>(image_);
    copied->setTransparent(transparent());
    return copied;
}

} // namespace pictures
