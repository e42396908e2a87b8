#include "JpegFrame.h"

#include <cstring>

namespace {

constexpr unsigned char StartOfScan = 0xDA;
constexpr unsigned char Application0 = 0xE0;

bool isFrameMarker(unsigned char marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

int u16(std::span<const unsigned char> bytes, std::size_t at)
{
    return bytes[at] << 8 | bytes[at + 1];
}

void readApplication0(std::span<const unsigned char> segment, JpegFrame& frame)
{
    if (segment.size() < 12 || std::memcmp(segment.data(), "JFIF", 5) != 0)
        return;
    frame.jfif = true;
    frame.jfifVersion = u16(segment, 5);
    frame.densityUnit = segment[7];
    frame.xDensity = u16(segment, 8);
    frame.yDensity = u16(segment, 10);
}

void readFrameHeader(unsigned char marker, std::span<const unsigned char> segment, JpegFrame& frame)
{
    if (segment.size() < 6)
        return;
    frame.frameMarker = marker;
    frame.precision = segment[0];
    frame.components = segment[5];
}

} // namespace

JpegFrame readJpegFrame(std::span<const unsigned char> jpeg)
{
    JpegFrame frame;
    frame.startsWithImageMarker = jpeg.size() >= 2 && jpeg[0] == 0xFF && jpeg[1] == 0xD8;
    std::size_t at = 2;
    while (frame.startsWithImageMarker && at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const unsigned char marker = jpeg[at + 1];
        const std::size_t length = static_cast<std::size_t>(u16(jpeg, at + 2));
        if (marker == StartOfScan || length < 2 || at + 2 + length > jpeg.size())
            break;
        const auto segment = jpeg.subspan(at + 4, length - 2);
        if (marker == Application0)
            readApplication0(segment, frame);
        else if (isFrameMarker(marker))
            readFrameHeader(marker, segment, frame);
        at += 2 + length;
    }
    return frame;
}
