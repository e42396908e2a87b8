#pragma once

#include "Picture.h"
#include "Placement.h"

#include <QWidget>

#include <functional>
#include <string>

namespace pictures {

// A box of a window that shows one picture, placed by the flags Center, Proportional and
// Stretch. It paints only the destination rectangle; elsewhere its parent shows through.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr); // 105 × 105 until laid out

    Picture& picture();
    const Picture& picture() const;
    // The box's own picture becomes a copy of the source.
    void assignPicture(const Picture& source);

    bool center() const;
    bool proportional() const;
    bool stretch() const;
    bool transparent() const;
    void setCenter(bool on);
    void setProportional(bool on);
    void setStretch(bool on);
    void setTransparent(bool on);

    QRect destinationRect() const;
    bool isOpaque() const;

    // Where an error raised while painting goes (a JPEG that fails at its first decode). It is
    // called from inside the paint event, so it must not block; the windows queue an error box.
    using PaintErrorSink = std::function<void(const std::string& message)>;
    static void setPaintErrorSink(PaintErrorSink sink);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Run after every change of the picture and of a flag: hands the graphic its transparency,
    // recomputes whether the box covers itself and asks for a repaint.
    void pictureChanged();
    void setFlag(bool& flag, bool on);
    // A shown box lets its graphic start what the first drawing needs (a JPEG's decode) at
    // once, so that the boxes of a window decode side by side.
    void prepareDrawingIfShown();
    void drawPicture();

    Picture picture_;
    PlacementFlags placement_;
    bool transparent_ = false;
    bool opaque_ = false;
    bool drawing_ = false;
    bool pressed_ = false;
};

} // namespace pictures
