#pragma once

namespace pictures {

// Run once at start-up, before any window exists: fixes the decoding depth from the display's
// bits per pixel (8 or fewer gives 8-bit decoding, anything deeper 24) and registers the "jpeg"
// and "jpg" extensions.
void setUpPictureSupport(int displayBitsPerPixel);

} // namespace pictures
