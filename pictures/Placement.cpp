#include "Placement.h"

namespace pictures {
namespace {

// Fits the picture into the box keeping its aspect ratio: the longer side first, then the
// other one if that still sticks out.
QSize fitProportionally(QSize picture, QSize box)
{
    // A double between two extended-precision steps, as the designed sizes assume: 400 × 300
    // into 500 × 300 is 399 wide, because the double nearest 4/3 lies just below it.
    const long double aspect =
        static_cast<double>(static_cast<long double>(picture.width()) / picture.height());
    const auto widthFor = [&](int height) { return static_cast<int>(height * aspect); };
    const auto heightFor = [&](int width) { return static_cast<int>(width / aspect); };

    if (picture.width() > picture.height()) {
        QSize fitted(box.width(), heightFor(box.width()));
        if (fitted.height() > box.height())
            fitted = QSize(widthFor(box.height()), box.height());
        return fitted;
    }
    QSize fitted(widthFor(box.height()), box.height());
    if (fitted.width() > box.width())
        fitted = QSize(box.width(), heightFor(box.width()));
    return fitted;
}

QSize placedSize(QSize picture, QSize box, PlacementFlags flags)
{
    const bool tooLarge = picture.width() > box.width() || picture.height() > box.height();
    if (!flags.stretch && !(flags.proportional && tooLarge))
        return picture;
    if (flags.proportional && picture.width() > 0 && picture.height() > 0)
        return fitProportionally(picture, box);
    return box;
}

} // namespace

QRect destinationRect(QSize picture, QSize box, PlacementFlags flags)
{
    const QSize size = placedSize(picture, box, flags);
    QRect rect(0, 0, size.width(), size.height());
    if (flags.center)
        rect.translate((box.width() - size.width()) / 2, (box.height() - size.height()) / 2);
    return rect;
}

} // namespace pictures
