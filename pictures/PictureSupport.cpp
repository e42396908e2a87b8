#include "PictureSupport.h"

#include "FileFormats.h"

namespace pictures {
namespace {

struct Settings {
    int displayBitsPerPixel = 32;
    int outputDepth = 24;
    bool fixed = false;
};

Settings& settings()
{
    static Settings instance;
    return instance;
}

} // namespace

void setUpPictureSupport(int displayBitsPerPixel)
{
    Settings& current = settings();
    if (current.fixed)
        return;
    current.displayBitsPerPixel = displayBitsPerPixel;
    current.outputDepth = displayBitsPerPixel <= 8 ? 8 : 24;
    current.fixed = true;
    registerFileFormat("jpeg", "JPEG Image File", GraphicKind::Jpeg);
    registerFileFormat("jpg", "JPEG Image File", GraphicKind::Jpeg);
}

int outputDepth()
{
    return settings().outputDepth;
}

int displayBitsPerPixel()
{
    return settings().displayBitsPerPixel;
}

} // namespace pictures
