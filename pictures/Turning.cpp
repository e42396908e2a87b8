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
    // Column by column of the stored rows, so each turned row is written `count` pixels at once.
    const bool fromLeft = orientation == 5 || orientation == 8; // stored row y is column y
    const bool fromTop = orientation == 5 || orientation == 6;  // stored column x is row x
    const qsizetype rowStep = rows.bytesPerLine() / qsizetype{sizeof(Pixel)};
    const auto* firstRow = reinterpret_cast<const Pixel*>(rows.constBits());
    for (int x = 0; x < width; ++x) {
        Pixel* out = turnedRow(fromTop ? x : width - 1 - x);
        const Pixel* in = firstRow + x;
        if (fromLeft) {
            for (int i = 0; i < count; ++i)
                out[first + i] = in[i * rowStep];
        } else {
            for (int i = 0; i < count; ++i)
                out[height - 1 - first - i] = in[i * rowStep];
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
