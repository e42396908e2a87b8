#include "pictures/Placement.h"

#include <gtest/gtest.h>

namespace pictures {
namespace {

struct Placement {
    QSize picture;
    QSize box;
    PlacementFlags flags;
    int left, top, right, bottom;
};

constexpr PlacementFlags CenterProportional{.center = true, .proportional = true};
constexpr PlacementFlags All{.center = true, .proportional = true, .stretch = true};
constexpr PlacementFlags StretchProportional{.proportional = true, .stretch = true};
constexpr PlacementFlags CenterOnly{.center = true};
constexpr PlacementFlags StretchOnly{.stretch = true};
constexpr PlacementFlags ProportionalOnly{.proportional = true};
constexpr PlacementFlags None{};

class DestinationRect : public ::testing::TestWithParam<Placement> {};

TEST_P(DestinationRect, PlacesThePicture)
{
    const Placement& p = GetParam();
    const QRect rect = destinationRect(p.picture, p.box, p.flags);
    EXPECT_EQ(rect.left(), p.left);
    EXPECT_EQ(rect.top(), p.top);
    EXPECT_EQ(rect.x() + rect.width(), p.right);
    EXPECT_EQ(rect.y() + rect.height(), p.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DestinationRect,
    ::testing::Values(
        // Photographs in the quiz's boxes: shrunk to fit, centred, never enlarged.
        Placement{{640, 480}, {393, 480}, CenterProportional, 0, 93, 393, 387},
        Placement{{480, 640}, {393, 480}, CenterProportional, 16, 0, 376, 480},
        Placement{{300, 200}, {393, 480}, CenterProportional, 46, 140, 346, 340},
        Placement{{100, 100}, {393, 480}, All, 0, 43, 393, 436},
        // Extended precision: 300 × (the double nearest 4/3) stays just under 400.
        Placement{{400, 300}, {500, 300}, StretchProportional, 0, 0, 399, 300},
        // A negative centring offset truncates toward zero: -107 / 2 is -53.
        Placement{{500, 700}, {393, 480}, CenterOnly, -53, -110, 447, 590},
        Placement{{50, 700}, {393, 480}, StretchOnly, 0, 0, 393, 480},
        Placement{{500, 700}, {393, 480}, None, 0, 0, 500, 700},
        Placement{{200, 100}, {393, 480}, ProportionalOnly, 0, 0, 200, 100},
        Placement{{800, 100}, {393, 480}, ProportionalOnly, 0, 0, 393, 49},
        // An empty picture: nothing, or with Stretch the whole box.
        Placement{{0, 0}, {393, 480}, None, 0, 0, 0, 0},
        Placement{{0, 0}, {393, 480}, StretchProportional, 0, 0, 393, 480}));

} // namespace
} // namespace pictures
