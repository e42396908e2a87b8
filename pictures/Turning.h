#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace pictures {

// Turning a picture as its orientation (ExifOrientation.h) says, row by row while it decodes.

// The size the picture shows at: the stored size, with its sides swapped for orientations 5 to 8.
QSize shownSize(QSize stored, int orientation);

// Where the stored rows from `first` to the last lie in the turned picture: a band of rows, or of
// columns for the orientations that swap sides.
QRect turnedArea(QSize stored, int first, int orientation);

// Copies `count` stored rows, the rows 0 to count - 1 of `rows` and rows first to
// first + count - 1 of the picture, to their places in `turned`, an image of the shown size in
// the format of `rows` (32-bit or indexed pixels).
void placeTurnedRows(const QImage& rows, int first, int count, int orientation, QImage& turned);

} // namespace pictures
