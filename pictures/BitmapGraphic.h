#pragma once

#include "Graphic.h"

#include <QImage>

namespace pictures {

// A pixel image: read from a BMP file or made by decoding a JPEG. Copies share the pixels
// (QImage's implicit sharing counts its users atomically and copies before a change).
class BitmapGraphic : public Graphic {
public:
    BitmapGraphic() = default;
    explicit BitmapGraphic(QImage image);

    GraphicKind kind() const override { return GraphicKind::Bitmap; }
    void readBytes(std::vector<unsigned char> bytes) override;
    void draw(QPainter& painter, const QRect& rect) override;
    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    bool isEmpty() const override { return image_.isNull(); }
    std::unique_ptr<Graphic> copy() const override;

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

private:
    QImage image_;
};

} // namespace pictures
