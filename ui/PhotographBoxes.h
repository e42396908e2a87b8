#pragma once

#include <QRect>

namespace ui {

// Where the quiz window's photograph boxes lie: plantPhoto shows the item's photograph from
// obr\0\, headPhoto the one from obr\2\. zorvenka-check and the photographs' tests read their
// sizes.
inline constexpr QRect PlantPhotoBounds{384, 95, 393, 480};
inline constexpr QRect HeadPhotoBounds{664, 97, 294, 476};

} // namespace ui
