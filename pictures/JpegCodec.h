#pragma once

#include <QImage>

#include <span>

namespace pictures {

// The glue to libjpeg. Faults come out as platform::JpegError ("JPEG error #<libjpeg's message
// code>"); a picture too large to hold, or memory that cannot be had, as OutOfResourcesError.

struct JpegSize {
    int width = 0;
    int height = 0;
};

// The most scans a JPEG of this size may have before decoding it is refused with a JpegError:
// enough for any real progressive file, few enough that a file of thousands of empty scans
// fails within about a second instead of freezing the program.
int maxJpegScans(int width, int height);

// The image size from the stream's frame header.
JpegSize readJpegHeader(std::span<const unsigned char> bytes);

// Decodes at full size with block smoothing. Greyscale files, and colour files when outputDepth
// is 8, become Format_Indexed8 with at most 236 palette entries; colour files otherwise become
// Format_RGB32. The image is handed over as soon as it is sized, so after a failure half-way it
// holds the rows decoded so far and white below.
void decodeJpeg(std::span<const unsigned char> bytes, int outputDepth, QImage& image);

} // namespace pictures
