#include "Turning.h"

#include "ExifOrientation.h"

#include <algorithm>

namespace pictures {
namespace {

// Each stored row goes whole to a row (orientations 2 to 4) or to a column (5 to 8).
template <typename Pixel>
void copyTurned(const QImage& rows, int first, int count, int orientation, QImage& turned)
{
    const int width = rows.width();
    const int height = swapsSides(orientation) ? turned.width() : turned.height();
    const qsizetype step = turned.bytesPerLine();
    uchar* const bits = turned.bits();
    const auto turnedRow = [&](int y) { return reinterpret_cast<Pixel*>(bits + y * step); };
    if (!swapsSides(orientation)) {
        for (int i = 0; i < count; ++i) {
            const auto* row = reinterpret_cast<const Pixel*>(rows.constScanLine(i));
            const int y = first + i;
            if (orientation == 2)
                std::reverse_copy(row, row + width, turnedRow(y));
            else if (orientation == 3)
                std::reverse_copy(row, row + width, turnedRow(height - 1 - y));
            else
                std::copy(row, row + width, turnedRow(height - 1 - y));
        }
        return;
    }
    // A block of stored columns at a time: each stored row gives a run of pixels read in one
    // go, and each of the block's turned rows gets `count` pixels side by side.
    const bool fromLeft = orientation == 5 || orientation == 8; // stored row y is column y
    const bool fromTop = orientation == 5 || orientation == 6;  // stored column x is row x
    constexpr int Block = 16;
    Pixel* out[Block];
    for (int x0 = 0; x0 < width; x0 += Block) {
        const int columns = std::min(Block, width - x0);
        for (int k = 0; k < columns; ++k)
            out[k] = turnedRow(fromTop ? x0 + k : width - 1 - x0 - k);
        for (int i = 0; i < count; ++i) {
            const Pixel* in = reinterpret_cast<const Pixel*>(rows.constScanLine(i)) + x0;
            const int column = fromLeft ? first + i : height - 1 - first - i;
            for (int k = 0; k < columns; ++k)
                out[k][column] = in[k];
        }
    }
}

} // namespace

QSize shownSize(QSize stored, int orientation)
{
    return swapsSides(orientation) ? stored.transposed() : stored;
}

QRect turnedArea(QSize stored, int first, int orientation)
{
    const int width = stored.width();
    const int rest = stored.height() - first;
    switch (orientation) {
    case 3:
    case 4:
        return {0, 0, width, rest};
    case 5:
    case 8:
        return {first, 0, rest, width};
    case 6:
    case 7:
        return {0, 0, rest, width};
    default:
        return {0, first, width, rest};
    }
}

void placeTurnedRows(const QImage& rows, int first, int count, int orientation, QImage& turned)
{
    if (rows.depth() == 8)
        copyTurned<uchar>(rows, first, count, orientation, turned);
    else
        copyTurned<QRgb>(rows, first, count, orientation, turned);
}

} // namespace pictures
