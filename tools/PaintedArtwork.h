#pragma once

#include <QImage>

namespace artwork {

// The quiz window's background, 963 x 584: a meadow on the left, the wedge's two yellows on
// the right.
QImage backgroundPicture();

// The intro panel's upright photograph, 1488 x 1984: a close look into a grass meadow.
QImage introPhotograph();

} // namespace artwork
