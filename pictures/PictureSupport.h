#pragma once

#include <cstdint>

namespace pictures {

// A decoded or read image is refused above this many pixels (1 GiB of 32-bit pixels), before
// any pixel memory is taken.
inline constexpr std::uint64_t MaxImagePixels = std::uint64_t{1} << 28;

// Run once at start-up, before any window exists: fixes the decoding depth from the display's
// bits per pixel (8 or fewer gives 8-bit decoding, anything deeper 24) and registers the "jpeg"
// and "jpg" extensions.
void setUpPictureSupport(int displayBitsPerPixel);

// What setUpPictureSupport fixed, read by every decode and drawing.

// Bits per pixel of a decoded colour JPEG: 8 on a display of 8 bits or fewer, otherwise 24.
int outputDepth();
// The display's bits per pixel, which decides whether drawing smooths (halftone) or not.
int displayBitsPerPixel();

} // namespace pictures
