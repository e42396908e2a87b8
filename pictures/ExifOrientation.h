#pragma once

#include <span>

namespace pictures {

// How a camera says its picture is to be turned for showing: Exif tag 0x0112, values 1 to 8.
// 1 is upright as stored; 2 mirror, 3 half turn, 4 flip, 5 transpose, 6 quarter turn clockwise,
// 7 transverse, 8 quarter turn anticlockwise.
inline constexpr int Upright = 1;

// The orientation in an APP1 marker's payload (the bytes after its length field): "Exif\0\0",
// then a TIFF header in either byte order whose first directory holds the tag. Every read is
// checked against the payload's end; anything missing, damaged or out of range gives Upright.
int exifOrientation(std::span<const unsigned char> app1);

// Whether an APP1 payload is Exif data at all (other APP1 markers hold XMP, for instance).
bool isExif(std::span<const unsigned char> app1);

// Whether the orientation lays the picture on its side, so that it shows stored width as height.
inline bool swapsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

} // namespace pictures
