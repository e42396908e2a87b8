#include "ApplicationIcon.h"

#include "LittleEndian.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace artwork {
namespace {

constexpr int Size = 32;
constexpr int ColourRowBytes = Size / 2; // two 4-bit pixels per byte
constexpr int MaskRowBytes = Size / 8;   // already a multiple of 4
constexpr int ImageSize = 40 + 16 * 4 + ColourRowBytes * Size + MaskRowBytes * Size;

// The standard 16-colour palette as red, green, blue.
constexpr std::array<std::array<unsigned char, 3>, 16> StandardPalette{{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};
constexpr unsigned char Black = 0;
constexpr unsigned char Navy = 4;
constexpr unsigned char White = 15;

bool isTransparent(int x, int y)
{
    return std::abs(x + y - (Size - 1)) <= 3;
}

// An ear of grass: an ellipse lying along the band, centred on the diagonal at (centre, centre).
bool isInEar(int x, int y, int centre)
{
    const int along = x - y;
    const int across = x + y - 2 * centre;
    return along * along * 9 + across * across * 49 <= 882;
}

unsigned char colourIndex(int x, int y)
{
    if (isTransparent(x, y))
        return Black; // the mask hides it; black keeps the colour bits neutral
    const bool navyHalf = x + y < Size - 1;
    if (navyHalf)
        return isInEar(x, y, 9) ? White : Navy;
    return isInEar(x, y, 22) ? Navy : White;
}

void appendDirectoryEntry(std::vector<unsigned char>& bytes)
{
    bytes.push_back(Size);
    bytes.push_back(Size);
    bytes.push_back(16); // colours
    bytes.push_back(0);  // reserved
    appendU16(bytes, 1); // planes
    appendU16(bytes, 4); // bits per pixel
    appendU32(bytes, ImageSize);
    appendU32(bytes, 6 + 16); // the image follows the header and this entry
}

void appendPalette(std::vector<unsigned char>& bytes)
{
    for (const auto& [red, green, blue] : StandardPalette) {
        bytes.push_back(blue);
        bytes.push_back(green);
        bytes.push_back(red);
        bytes.push_back(0);
    }
}

// Rows bottom-up, the left pixel in the high nibble.
void appendColourRows(std::vector<unsigned char>& bytes)
{
    for (int y = Size - 1; y >= 0; --y)
        for (int x = 0; x < Size; x += 2)
            bytes.push_back(static_cast<unsigned char>(colourIndex(x, y) << 4 | colourIndex(x + 1, y)));
}

// Rows bottom-up, the left pixel in the highest bit; a set bit lets the background through.
void appendMaskRows(std::vector<unsigned char>& bytes)
{
    for (int y = Size - 1; y >= 0; --y) {
        for (int x = 0; x < Size; x += 8) {
            unsigned char bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (isTransparent(x + bit, y))
                    bits |= static_cast<unsigned char>(0x80 >> bit);
            bytes.push_back(bits);
        }
    }
}

} // namespace

std::vector<unsigned char> applicationIcon()
{
    std::vector<unsigned char> bytes;
    appendU16(bytes, 0); // reserved
    appendU16(bytes, 1); // icon
    appendU16(bytes, 1); // one image
    appendDirectoryEntry(bytes);
    // An icon image's header counts the colour rows and the mask together: twice the height.
    appendBitmapInfoHeader(bytes, Size, 2 * Size, 4, (ColourRowBytes + MaskRowBytes) * Size);
    appendPalette(bytes);
    appendColourRows(bytes);
    appendMaskRows(bytes);
    return bytes;
}

} // namespace artwork
