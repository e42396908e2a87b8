// A BMP file's bytes: read them, then draw once.
#include "FuzzHarness.h"

#include "pictures/BitmapGraphic.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzing::setUpOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::expectOwnOutcome([&] {
        pictures::BitmapGraphic graphic;
        graphic.readBytes(fuzzing::bytesOf(data, size));
        fuzzing::drawOnce(graphic);
    });
    return 0;
}
