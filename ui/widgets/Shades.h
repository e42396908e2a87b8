#pragma once

class QColor;
class QPainter;
class QRect;

namespace ui {

// The one-pixel edges of a rectangle, in whole pixels of the layout: the top and left edges in
// one colour, the bottom and right edges (the two far corners included) in the other. They are
// filled, not stroked, so at any scale factor an edge covers exactly the device pixels of its
// layout pixels; a stroked line of one pixel straddles them at 200 % and leaves gaps at 150 %.
void fillShades(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight);

// All four edges in one colour.
void fillOutline(QPainter& painter, const QRect& rect, const QColor& colour);

} // namespace ui
