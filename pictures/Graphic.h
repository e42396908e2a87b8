#pragma once

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QRect;

namespace pictures {

// The graphic kinds of the file-format registry.
enum class GraphicKind { Metafile, Icon, Bitmap, Jpeg };

// One image held by a picture: it reads itself from the bytes of a file or of stored artwork,
// draws itself stretched into a rectangle and tells its picture when it changes.
class Graphic {
public:
    using ChangeHandler = std::function<void()>;

    virtual ~Graphic() = default;
    Graphic(const Graphic&) = delete;
    Graphic& operator=(const Graphic&) = delete;

    virtual GraphicKind kind() const = 0;
    // Reads the graphic from the complete bytes of its file format.
    virtual void readBytes(std::vector<unsigned char> bytes) = 0;
    // Draws the whole image stretched into the rectangle.
    virtual void draw(QPainter& painter, const QRect& rect) = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual bool isEmpty() const = 0;
    // A new graphic of the same kind that shares this one's data.
    virtual std::unique_ptr<Graphic> copy() const = 0;
    // Called when the graphic is about to be drawn: work that the first drawing would do may
    // start now, off this thread.
    virtual void prepareToDraw() {}
    // Lets go of pixels that the graphic can make again from its own data.
    virtual void releaseDecodedPixels() {}

    bool transparent() const { return transparent_; }
    void setTransparent(bool on) { transparent_ = on; }

    void setChangeHandler(ChangeHandler handler) { changeHandler_ = std::move(handler); }

protected:
    Graphic() = default;
    void reportChange() const
    {
        if (changeHandler_)
            changeHandler_();
    }

private:
    bool transparent_ = false;
    ChangeHandler changeHandler_;
};

} // namespace pictures
