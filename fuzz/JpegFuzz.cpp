// A JPEG file's bytes: parse the header, then draw once, which decodes.
#include "FuzzHarness.h"

#include "pictures/JpegGraphic.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzing::setUpOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pictures::JpegGraphic graphic;
    fuzzing::expectOwnOutcome([&] {
        graphic.readBytes(fuzzing::bytesOf(data, size));
        fuzzing::drawOnce(graphic);
    });
    // A failed decode keeps what it reached; later drawings show it and raise nothing.
    if (graphic.decoded())
        fuzzing::drawOnce(graphic);
    return 0;
}
