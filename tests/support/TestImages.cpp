#include "tests/support/TestImages.h"

#include <QPainter>

#include <cstdlib>
#include <fstream>

namespace testimages {

Bytes encodeJpeg(const QImage& image, JpegColours colours, bool progressive)
{
    return jpegwriter::encode(image, {.quality = 95, .colours = colours, .progressive = progressive});
}

QImage filledImage(int width, int height, QColor top, QColor bottom)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (y < height / 2 ? top : bottom).rgb());
    }
    return image;
}

QImage filledImage(int width, int height, QColor colour)
{
    return filledImage(width, height, colour, colour);
}

Bytes withClaimedSize(Bytes jpeg, int width, int height)
{
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            jpeg[i + 5] = static_cast<unsigned char>(height >> 8);
            jpeg[i + 6] = static_cast<unsigned char>(height);
            jpeg[i + 7] = static_cast<unsigned char>(width >> 8);
            jpeg[i + 8] = static_cast<unsigned char>(width);
            break;
        }
    }
    return jpeg;
}

namespace {

// Where the marker segment starting at `at` ends: past its length field's count, and for a
// start of scan past the entropy-coded data too (which ends at a marker other than a stuffed
// 0xFF 0x00 or a restart).
std::size_t segmentEnd(const Bytes& jpeg, std::size_t at, bool withData)
{
    std::size_t end = at + 2 + (jpeg[at + 2] << 8 | jpeg[at + 3]);
    while (withData && end + 1 < jpeg.size()
           && !(jpeg[end] == 0xFF && jpeg[end + 1] != 0 && (jpeg[end + 1] & 0xF8) != 0xD0))
        ++end;
    return end;
}

} // namespace

Bytes exifPayload(int orientation, bool bigEndian)
{
    Bytes payload{'E', 'x', 'i', 'f', 0, 0};
    const auto append = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            const int shift = 8 * (bigEndian ? size - 1 - i : i);
            payload.push_back(static_cast<unsigned char>(value >> shift));
        }
    };
    // Byte by byte: g++ 12 takes inserting a list at the end for a write out of bounds.
    const auto appendBytes = [&](std::initializer_list<unsigned char> bytes) {
        for (const unsigned char byte : bytes)
            payload.push_back(byte);
    };
    const unsigned char order = bigEndian ? 'M' : 'I';
    appendBytes({order, order});
    append(42, 2);
    append(8, 4); // the first directory follows the header
    append(2, 2); // two entries
    append(0x010F, 2); // the make: four ASCII bytes, kept in the entry
    append(2, 2);
    append(4, 4);
    appendBytes({'C', 'a', 'm', 0});
    append(0x0112, 2); // the orientation: one SHORT, in the first half of the value field
    append(3, 2);
    append(1, 4);
    append(static_cast<std::uint32_t>(orientation), 2);
    append(0, 2);
    append(0, 4); // no next directory
    return payload;
}

Bytes withSegment(Bytes jpeg, unsigned char marker, const Bytes& payload)
{
    std::size_t at = 2;
    if (jpeg.size() > 5 && jpeg[2] == 0xFF && jpeg[3] == 0xE0)
        at += 2 + (jpeg[4] << 8 | jpeg[5]);
    const std::size_t length = payload.size() + 2;
    Bytes segment{0xFF, marker, static_cast<unsigned char>(length >> 8), static_cast<unsigned char>(length)};
    segment.insert(segment.end(), payload.begin(), payload.end());
    jpeg.insert(jpeg.begin() + static_cast<std::ptrdiff_t>(at), segment.begin(), segment.end());
    return jpeg;
}

Bytes withOrientation(const Bytes& jpeg, int orientation, bool bigEndian)
{
    return withSegment(jpeg, 0xE1, exifPayload(orientation, bigEndian));
}

std::size_t startOfScan(const Bytes& jpeg, int number)
{
    constexpr unsigned char StartOfScan = 0xDA;
    std::size_t at = 2; // past the start-of-image marker
    int scansSeen = 0;
    while (jpeg[at + 1] != StartOfScan || ++scansSeen < number)
        at = segmentEnd(jpeg, at, jpeg[at + 1] == StartOfScan);
    return at;
}

Bytes manyScansJpeg(int width, int height, int scans, const Bytes& tail)
{
    const Bytes jpeg = withClaimedSize(
        encodeJpeg(filledImage(16, 16, Qt::green), JpegColours::Rgb, true), width, height);
    const std::size_t second = startOfScan(jpeg, 2);
    const Bytes scanHeader(jpeg.begin() + second, jpeg.begin() + segmentEnd(jpeg, second, false));

    Bytes hostile(jpeg.begin(), jpeg.begin() + second);
    for (int i = 1; i < scans; ++i)
        hostile.insert(hostile.end(), scanHeader.begin(), scanHeader.end());
    hostile.insert(hostile.end(), tail.begin(), tail.end());
    hostile.insert(hostile.end(), {0xFF, 0xD9});
    return hostile;
}

void appendUint16(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<unsigned char>(value));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

void appendUint32(Bytes& bytes, std::uint32_t value)
{
    appendUint16(bytes, static_cast<std::uint16_t>(value));
    appendUint16(bytes, static_cast<std::uint16_t>(value >> 16));
}

Bytes bmpHeaders(int width, int height, int bitsPerPixel, std::uint32_t compression,
                 std::uint32_t coloursUsed, std::uint16_t planes)
{
    std::uint32_t tableEntries = coloursUsed;
    if (tableEntries == 0 && bitsPerPixel <= 8)
        tableEntries = 1U << bitsPerPixel;
    Bytes bytes{'B', 'M'};
    appendUint32(bytes, 0); // file size
    appendUint32(bytes, 0);
    appendUint32(bytes, 54 + 4 * tableEntries + (compression == 3 ? 12 : 0)); // pixel offset
    appendUint32(bytes, 40);
    appendUint32(bytes, static_cast<std::uint32_t>(width));
    appendUint32(bytes, static_cast<std::uint32_t>(height));
    appendUint16(bytes, planes);
    appendUint16(bytes, static_cast<std::uint16_t>(bitsPerPixel));
    appendUint32(bytes, compression);
    appendUint32(bytes, 0); // image size
    appendUint32(bytes, 2835);
    appendUint32(bytes, 2835);
    appendUint32(bytes, coloursUsed);
    appendUint32(bytes, 0);
    return bytes;
}

Bytes solidBmp(int width, int height, QColor colour)
{
    Bytes bytes = bmpHeaders(width, height, 24);
    const int rowLength = (width * 3 + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bytes.insert(bytes.end(), {static_cast<unsigned char>(colour.blue()),
                                       static_cast<unsigned char>(colour.green()),
                                       static_cast<unsigned char>(colour.red())});
        }
        bytes.insert(bytes.end(), rowLength - width * 3, 0);
    }
    return bytes;
}

Bytes storedData(const Bytes& bytes)
{
    Bytes stored;
    appendUint32(stored, static_cast<std::uint32_t>(bytes.size()));
    stored.insert(stored.end(), bytes.begin(), bytes.end());
    return stored;
}

bool near(QRgb actual, QColor expected, int tolerance)
{
    return std::abs(qRed(actual) - expected.red()) <= tolerance
        && std::abs(qGreen(actual) - expected.green()) <= tolerance
        && std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

void drawOnce(pictures::Graphic& graphic)
{
    QImage canvas(8, 8, QImage::Format_RGB32);
    QPainter painter(&canvas);
    graphic.draw(painter, canvas.rect());
}

std::string writeFile(const std::string& folder, const std::string& name, const Bytes& bytes)
{
    const std::string path = folder + "/" + name;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace testimages
