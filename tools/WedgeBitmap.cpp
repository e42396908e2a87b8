#include "WedgeBitmap.h"

#include "LittleEndian.h"

namespace artwork {
namespace {

constexpr int Width = 181;
constexpr int Height = 269;
constexpr int RowBytes = (Width * 3 + 3) / 4 * 4;
constexpr int HeadersSize = 14 + 40;

// The dividing line runs from (0, 202) to (180, 94): row = 202 - 0.6 * column. Kept in whole
// numbers so that no rounding decides a pixel.
bool isAboveLine(int column, int row)
{
    return 5 * row < 5 * 202 - 3 * column;
}

void appendPixelRows(std::vector<unsigned char>& bytes)
{
    for (int row = Height - 1; row >= 0; --row) {
        for (int column = 0; column < Width; ++column) {
            const QColor colour = isAboveLine(column, row) ? WedgeUpperYellow : WedgeLowerYellow;
            bytes.push_back(static_cast<unsigned char>(colour.blue()));
            bytes.push_back(static_cast<unsigned char>(colour.green()));
            bytes.push_back(static_cast<unsigned char>(colour.red()));
        }
        bytes.resize(bytes.size() + RowBytes - Width * 3, 0);
    }
}

} // namespace

std::vector<unsigned char> wedgeBitmap()
{
    constexpr std::uint32_t imageSize = RowBytes * Height;
    std::vector<unsigned char> bytes;
    bytes.reserve(HeadersSize + imageSize);
    bytes.push_back('B');
    bytes.push_back('M');
    appendU32(bytes, HeadersSize + imageSize);
    appendU32(bytes, 0); // reserved
    appendU32(bytes, HeadersSize);
    appendBitmapInfoHeader(bytes, Width, Height, 24, imageSize);
    appendPixelRows(bytes);
    return bytes;
}

} // namespace artwork
