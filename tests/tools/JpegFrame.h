#pragma once

#include <span>

// What the headers of a JPEG stream say about its encoding, read from its markers up to the
// first scan.
struct JpegFrame {
    bool startsWithImageMarker = false;
    int frameMarker = 0;     // 0xC0 for baseline
    int precision = 0;       // bits per sample
    int components = 0;
    bool jfif = false;
    int jfifVersion = 0;     // 0x0101 for 1.01
    int densityUnit = -1;    // 1: dots per inch
    int xDensity = 0;
    int yDensity = 0;
};

JpegFrame readJpegFrame(std::span<const unsigned char> jpeg);
