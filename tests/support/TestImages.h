#pragma once

#include "pictures/Graphic.h"
#include "tools/JpegWriter.h"

#include <QColor>
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// Inputs for the picture tests, made here: JPEGs by the repository's JPEG writer, BMPs byte by
// byte, and files in a temporary folder.
namespace testimages {

using Bytes = std::vector<unsigned char>;

using JpegColours = jpegwriter::Colours;

// A JPEG of the image's pixels at quality 95.
Bytes encodeJpeg(const QImage& image, JpegColours colours = JpegColours::Rgb, bool progressive = false);

// An image of one colour, or of two halves: the top in one colour, the bottom in the other.
QImage filledImage(int width, int height, QColor top, QColor bottom);
QImage filledImage(int width, int height, QColor colour);

// A baseline colour JPEG whose frame header claims another size.
Bytes withClaimedSize(Bytes jpeg, int width, int height);

// Where the start-of-scan marker of the given scan (counted from 1) begins.
std::size_t startOfScan(const Bytes& jpeg, int number);

// A progressive colour JPEG claiming the given size with `scans` scans: its first scan, then
// copies of its second scan's header without data. Ten bytes a scan, each making the decoder
// work through the whole picture. Anything in `tail` goes after the scans, before the end.
Bytes manyScansJpeg(int width, int height, int scans, const Bytes& tail = {});

// An APP1 payload of Exif data as cameras write it, in Intel (little-endian) or Motorola
// (big-endian) byte order: its first directory holds a camera make and then the orientation tag
// with the value. The value's low byte is at ExifOrientationAt, in little-endian order.
Bytes exifPayload(int orientation, bool bigEndian = false);
inline constexpr std::size_t ExifOrientationAt = 36;

// The JPEG with an APP marker segment (0xE0 to 0xEF) put in after its JFIF marker.
Bytes withSegment(Bytes jpeg, unsigned char marker, const Bytes& payload);

// The JPEG tagged with the orientation, as a camera would.
Bytes withOrientation(const Bytes& jpeg, int orientation, bool bigEndian = false);

// Appends little-endian values and raw bytes.
void appendUint16(Bytes& bytes, std::uint16_t value);
void appendUint32(Bytes& bytes, std::uint32_t value);

// A BMP file header followed by a 40-byte info header.
Bytes bmpHeaders(int width, int height, int bitsPerPixel, std::uint32_t compression = 0,
                 std::uint32_t coloursUsed = 0, std::uint16_t planes = 1);

// A 24-bit bottom-up BMP of one colour.
Bytes solidBmp(int width, int height, QColor colour);

// The stored form of artwork: a 32-bit little-endian count and the bytes.
Bytes storedData(const Bytes& bytes);

// The colour of a pixel, within a tolerance for JPEG's losses.
bool near(QRgb actual, QColor expected, int tolerance = 12);

// Draws the graphic once into a small canvas (a JPEG graphic decodes at its first drawing).
void drawOnce(pictures::Graphic& graphic);

// The message of the error of the given kind that the action raises, or "(no error)".
template <typename ErrorKind, typename Action>
std::string messageOf(Action action)
{
    try {
        action();
    } catch (const ErrorKind& error) {
        return error.what();
    }
    return "(no error)";
}

// Writes a file and returns its path.
std::string writeFile(const std::string& folder, const std::string& name, const Bytes& bytes);

} // namespace testimages
