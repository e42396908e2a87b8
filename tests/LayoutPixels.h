#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// What a widget shows, one pixel per pixel of the layout, so that tests read the same pixels at
// every scale factor: each layout pixel is the device pixel in which its centre falls.
inline QImage layoutPixels(QWidget& widget)
{
    const QImage device = widget.grab().toImage();
    const qreal scale = device.devicePixelRatio();
    QImage layout(widget.size(), device.format());
    for (int y = 0; y < layout.height(); ++y)
        for (int x = 0; x < layout.width(); ++x)
            layout.setPixel(x, y, device.pixel(int((x + 0.5) * scale), int((y + 0.5) * scale)));
    return layout;
}
