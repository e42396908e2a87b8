// Pictures built to exhaust memory fail with the program's own error instead, before the memory
// is taken.
#include "tests/pictures/TestImages.h"

#include "pictures/JpegGraphic.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

namespace {

long residentMiB()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024) / 1024;
}

// A progressive CMYK file claiming 16000 x 16000 pixels stays under the pixel cap, but libjpeg
// would need 2 GB of coefficient buffers for it: its own memory limit refuses them.
TEST(HostilePictures, LibjpegsBuffersStayWithinItsMemoryLimit)
{
    const auto jpeg = testimages::withClaimedSize(
        testimages::encodeJpeg(testimages::filledImage(16, 16, Qt::red), testimages::JpegColours::AdobeCmyk,
                               true),
        16000, 16000);
    pictures::JpegGraphic graphic;
    graphic.readBytes(jpeg);
    const long before = residentMiB();
    EXPECT_EQ(testimages::messageOf<platform::OutOfResourcesError>([&] { testimages::drawOnce(graphic); }),
              "Out of system resources");
    EXPECT_LT(residentMiB() - before, 256);
}

} // namespace
