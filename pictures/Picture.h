#pragma once

#include "Graphic.h"

#include <functional>
#include <memory>
#include <span>
#include <string>

namespace pictures {

// Zero or one graphic, owned. A new graphic replaces the old one only once it has been read
// completely; a failed load leaves the picture exactly as it was and tells nobody.
class Picture {
public:
    using ChangeListener = std::function<void()>;

    Picture();
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The owner (a picture box) is told after every change of the graphic.
    void setChangeListener(ChangeListener listener);

    // Loads a file by its program path ("obr\0\7.jpg"); the extension picks the graphic kind.
    void loadFromFile(const std::string& path);
    // Reads artwork stored with a window layout: a 32-bit little-endian byte count followed by
    // a complete JPEG stream or BMP file.
    void readStoredData(GraphicKind kind, std::span<const unsigned char> stored);
    // Becomes a copy of the source's graphic (sharing its bytes and pixels), or empty.
    void assign(const Picture& source);

    // Lets go of decoded pixels that the graphic can make again (a JPEG's); the graphic stays.
    void releaseDecodedPixels();

    Graphic* graphic() const;
    int width() const;
    int height() const;

private:
    // Discards the old graphic, installs the new one (or none) and tells the listener.
    void install(std::unique_ptr<Graphic> graphic);
    void notifyChange() const;

    std::unique_ptr<Graphic> graphic_;
    ChangeListener listener_;
};

} // namespace pictures
