#pragma once

#include <QImage>

#include <span>

namespace pictures {

// The glue to libjpeg. Faults come out as platform::JpegError ("JPEG error #<libjpeg's message
// code>"); a picture too large to hold, or memory that cannot be had, as OutOfResourcesError.

// What the header tells before any decoding: the size as stored, and how the picture is to be
// turned for showing (ExifOrientation.h), read from its first Exif APP1 marker.
struct JpegHeader {
    int width = 0;
    int height = 0;
    int orientation = 1;
};

// The most scans a JPEG of this size may have before decoding it is refused with a JpegError:
// enough for any real progressive file, few enough that a file of thousands of empty scans
// fails within about a second instead of freezing the program.
int maxJpegScans(int width, int height);

// The size from the stream's frame header and the orientation from its Exif marker.
JpegHeader readJpegHeader(std::span<const unsigned char> bytes);

// Decodes at full size with block smoothing. Greyscale files, and colour files when outputDepth
// is 8, become Format_Indexed8 with at most 236 palette entries; colour files otherwise become
// Format_RGB32. The image is handed over as soon as it is sized, so after a failure half-way it
// holds the rows decoded so far and white below. With an orientation other than 1 the image is
// the picture turned as it says, each row put in its place as it is decoded (a failure leaves
// the rows decoded so far in their turned places, white elsewhere); 1, and any other value,
// decode exactly as stored. Gives how many of the stored rows, from the top, the file's data
// reaches: all of them, unless the file ends early and libjpeg shows the rows below grey.
int decodeJpeg(std::span<const unsigned char> bytes, int outputDepth, QImage& image,
               int orientation = 1);

} // namespace pictures
