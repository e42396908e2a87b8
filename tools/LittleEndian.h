#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

// Appends integers in the little-endian order of the Windows file formats.
inline void appendU16(std::vector<unsigned char>& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<unsigned char>(value & 0xFF));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

inline void appendU32(std::vector<unsigned char>& bytes, std::uint32_t value)
{
    appendU16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    appendU16(bytes, static_cast<std::uint16_t>(value >> 16));
}

// The 40-byte BITMAPINFOHEADER of an uncompressed image at 96 dots per inch.
inline void appendBitmapInfoHeader(std::vector<unsigned char>& bytes, std::int32_t width,
                                   std::int32_t height, std::uint16_t bitsPerPixel,
                                   std::uint32_t imageSize)
{
    constexpr std::uint32_t pixelsPerMetre = 3780; // 96 dots per inch
    appendU32(bytes, 40);
    appendU32(bytes, static_cast<std::uint32_t>(width));
    appendU32(bytes, static_cast<std::uint32_t>(height));
    appendU16(bytes, 1); // planes
    appendU16(bytes, bitsPerPixel);
    appendU32(bytes, 0); // no compression
    appendU32(bytes, imageSize);
    appendU32(bytes, pixelsPerMetre);
    appendU32(bytes, pixelsPerMetre);
    appendU32(bytes, 0); // colours used: all that the depth allows
    appendU32(bytes, 0); // all colours important
}

} // namespace artwork
