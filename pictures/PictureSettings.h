#pragma once

#include <cstdint>

namespace pictures {

// A decoded or read image is refused above this many pixels (1 GiB of 32-bit pixels), before
// any pixel memory is taken.
inline constexpr std::uint64_t MaxImagePixels = std::uint64_t{1} << 28;

// Fixed once at start-up by setUpPictureSupport, whose file (PictureSupport.cpp) also defines
// them, and read by every decode and drawing.

// Bits per pixel of a decoded colour JPEG: 8 on a display of 8 bits or fewer, otherwise 24.
int outputDepth();
// The display's bits per pixel, which decides whether drawing smooths (halftone) or not.
int displayBitsPerPixel();

} // namespace pictures
