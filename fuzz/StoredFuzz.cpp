// Artwork stored with a window layout: the first byte picks the kind (even: JPEG, odd: BMP),
// the rest is the 32-bit count and the bytes. A failed read must leave the picture as it was.
#include "FuzzHarness.h"

#include "pictures/Picture.h"

#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzing::setUpOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto kind = data[0] % 2 == 0 ? pictures::GraphicKind::Jpeg : pictures::GraphicKind::Bitmap;
    pictures::Picture picture;
    int changes = 0;
    picture.setChangeListener([&] { ++changes; });
    fuzzing::expectOwnOutcome([&] {
        picture.readStoredData(kind, std::span(data + 1, size - 1));
        if (picture.graphic())
            fuzzing::drawOnce(*picture.graphic());
    });
    if (changes == 0 && picture.graphic())
        std::abort(); // a graphic came in without its owner hearing of it
    return 0;
}
