#include "RunLengthPixels.h"

#include <algorithm>

namespace pictures {
namespace {

// The codes that follow a zero count.
constexpr int EndOfLine = 0;
constexpr int EndOfBitmap = 1;
constexpr int Delta = 2;

// Writes pixels from the left of the first stored row on; whatever falls outside the image is
// dropped.
class PixelCursor {
public:
    PixelCursor(QImage& image, bool bottomUp) : image_(image), bottomUp_(bottomUp) {}

    void put(int index)
    {
        if (x_ < image_.width() && !finished()) {
            const int y = bottomUp_ ? image_.height() - 1 - row_ : row_;
            image_.scanLine(y)[x_] = static_cast<uchar>(index);
        }
        x_ = std::min(x_ + 1, image_.width());
    }
    void endLine()
    {
        x_ = 0;
        ++row_;
    }
    void move(int right, int down)
    {
        x_ = std::min(x_ + right, image_.width());
        row_ = std::min(row_ + down, image_.height());
    }
    bool finished() const { return row_ >= image_.height(); }

private:
    QImage& image_;
    bool bottomUp_;
    int x_ = 0;
    int row_ = 0;
};

// The i-th pixel held in a byte: the byte itself, or with four bits a pixel the high nibble
// first.
int pixelOf(unsigned char byte, int i, int bitsPerPixel)
{
    if (bitsPerPixel == 8)
        return byte;
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

// An absolute run of `count` pixels starting at `at`, padded to a whole number of 16-bit words.
// Returns where the next code starts.
std::size_t copyAbsoluteRun(std::span<const unsigned char> data, std::size_t at, int count,
                            int bitsPerPixel, PixelCursor& cursor)
{
    for (int i = 0; i < count; ++i) {
        const std::size_t byte = at + static_cast<std::size_t>(i * bitsPerPixel / 8);
        if (byte >= data.size())
            return data.size();
        cursor.put(pixelOf(data[byte], i, bitsPerPixel));
    }
    const std::size_t bytes = (static_cast<std::size_t>(count) * bitsPerPixel + 7) / 8;
    return at + bytes + bytes % 2;
}

} // namespace

void decodeRunLength(std::span<const unsigned char> data, int bitsPerPixel, bool bottomUp,
                     QImage& image)
{
    PixelCursor cursor(image, bottomUp);
    std::size_t at = 0;
    while (at + 2 <= data.size() && !cursor.finished()) {
        const int count = data[at];
        const int code = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                cursor.put(pixelOf(static_cast<unsigned char>(code), i, bitsPerPixel));
        } else if (code == EndOfLine) {
            cursor.endLine();
        } else if (code == EndOfBitmap) {
            return;
        } else if (code == Delta) {
            if (at + 2 > data.size())
                return;
            cursor.move(data[at], data[at + 1]);
            at += 2;
        } else {
            at = copyAbsoluteRun(data, at, code, bitsPerPixel, cursor);
        }
    }
}

} // namespace pictures
