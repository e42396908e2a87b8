#include "BmpReader.h"

#include "ByteReader.h"
#include "PictureSupport.h"
#include "RunLengthPixels.h"
#include "ZeroedImage.h"
#include "platform/Errors.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace pictures {
namespace {

constexpr std::uint16_t BitmapSignature = 0x4D42; // "BM"
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t HeaderWithMasksSize = 52;
constexpr std::uint32_t Uncompressed = 0;
constexpr std::uint32_t RunLength8 = 1;
constexpr std::uint32_t RunLength4 = 2;
constexpr std::uint32_t BitFields = 3;

using Masks = std::array<std::uint32_t, 3>; // red, green, blue

struct InfoHeader {
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = Uncompressed;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;
    Masks masks{};
};

[[noreturn]] void failInvalid()
{
    throw platform::InvalidGraphicError("Bitmap image is not valid");
}

InfoHeader readCoreHeader(ByteReader& reader)
{
    InfoHeader header;
    header.size = CoreHeaderSize;
    header.width = reader.readUint16();
    header.height = reader.readUint16();
    header.planes = reader.readUint16();
    header.bitsPerPixel = reader.readUint16();
    return header;
}

InfoHeader readInfoHeader(ByteReader& reader)
{
    const std::uint32_t size = reader.readUint32();
    if (size == CoreHeaderSize)
        return readCoreHeader(reader);
    // The fields after the size, as far as the header has them; later versions add more.
    std::array<unsigned char, HeaderWithMasksSize - 4> fields{};
    const auto rest = reader.read(std::max<std::uint32_t>(size, 4) - 4);
    std::copy_n(rest.begin(), std::min(rest.size(), fields.size()), fields.begin());

    InfoHeader header;
    header.size = size;
    header.width = static_cast<std::int32_t>(uint32At(fields, 0));
    header.height = static_cast<std::int32_t>(uint32At(fields, 4));
    header.planes = uint16At(fields, 8);
    header.bitsPerPixel = uint16At(fields, 10);
    header.compression = uint32At(fields, 12);
    header.imageSize = uint32At(fields, 16);
    header.coloursUsed = uint32At(fields, 28);
    header.masks = {uint32At(fields, 36), uint32At(fields, 40), uint32At(fields, 44)};
    return header;
}

bool hasBitFields(const InfoHeader& header)
{
    return header.compression == BitFields
        && (header.bitsPerPixel == 16 || header.bitsPerPixel == 32);
}

Masks pixelMasks(const InfoHeader& header, ByteReader& reader)
{
    if (hasBitFields(header) && header.size == InfoHeaderSize) {
        const auto bytes = reader.read(12);
        return {uint32At(bytes, 0), uint32At(bytes, 4), uint32At(bytes, 8)};
    }
    if (hasBitFields(header) && header.size >= HeaderWithMasksSize)
        return header.masks;
    if (header.bitsPerPixel == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

QList<QRgb> readColourTable(const InfoHeader& header, ByteReader& reader)
{
    std::size_t count = header.coloursUsed;
    if (count == 0 && (header.bitsPerPixel == 1 || header.bitsPerPixel == 4
                       || header.bitsPerPixel == 8))
        count = std::size_t{1} << header.bitsPerPixel;
    const std::size_t entrySize = header.size == CoreHeaderSize ? 3 : 4;
    const auto table = reader.read(count * entrySize);
    QList<QRgb> colours;
    for (std::size_t i = 0; i + entrySize <= table.size(); i += entrySize)
        colours.append(qRgb(table[i + 2], table[i + 1], table[i]));
    return colours;
}

std::uint64_t rowLength(const InfoHeader& header)
{
    return (std::uint64_t{header.bitsPerPixel} * static_cast<std::uint32_t>(header.width) + 31)
        / 32 * 4;
}

// Scales the bits of one mask to 0..255.
int channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint64_t maximum = (std::uint64_t{1} << std::popcount(mask >> shift)) - 1;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / maximum);
}

void convertIndexedRow(const unsigned char* source, uchar* target, int width, int bits)
{
    const int valueMask = (1 << bits) - 1;
    for (int x = 0; x < width; ++x) {
        const int bit = x * bits;
        target[x] = static_cast<uchar>(source[bit / 8] >> (8 - bits - bit % 8) & valueMask);
    }
}

QRgb colourPixel(const unsigned char* row, int x, int bits, const Masks& masks)
{
    if (bits == 24) {
        const unsigned char* pixel = row + std::size_t(x) * 3;
        return qRgb(pixel[2], pixel[1], pixel[0]);
    }
    const std::span<const unsigned char> at(row + std::size_t(x) * bits / 8, bits / 8);
    const std::uint32_t pixel = bits == 16 ? uint16At(at, 0) : uint32At(at, 0);
    return qRgb(channel(pixel, masks[0]), channel(pixel, masks[1]), channel(pixel, masks[2]));
}

// Into a 32-bit row, or into a 24-bit one, stored blue, green, red.
void convertColourRow(const unsigned char* source, QImage& image, int y, int bits,
                      const Masks& masks)
{
    uchar* target = image.scanLine(y);
    const bool packed = image.format() == QImage::Format_BGR888;
    const int width = image.width();
    for (int x = 0; x < width; ++x) {
        const QRgb colour = colourPixel(source, x, bits, masks);
        if (!packed) {
            reinterpret_cast<QRgb*>(target)[x] = colour;
            continue;
        }
        uchar* pixel = target + std::size_t(x) * 3;
        pixel[0] = static_cast<uchar>(qBlue(colour));
        pixel[1] = static_cast<uchar>(qGreen(colour));
        pixel[2] = static_cast<uchar>(qRed(colour));
    }
}

// Every byte of an 8-bit pixel names a colour, so the table always has all 256; the colours a
// file does not give are black.
QList<QRgb> fullColourTable(QList<QRgb> colours)
{
    colours.resize(std::max<qsizetype>(colours.size(), 256), qRgb(0, 0, 0));
    return colours;
}

// Pixels that no row of the data reaches must show black (colour 0 in an indexed image). In an
// indexed and in a 24-bit image that is zero bytes, which take no memory until touched, so a
// file claiming a huge size costs only what it writes. A colour picture whose data reaches every
// row is all written and keeps 32-bit pixels: those are what the toolkit stretches with its own
// sampling, which picks a neighbouring source pixel here and there for any other format.
QImage allocatePixels(int width, int height, bool indexed, bool everyRowGiven)
{
    if (indexed)
        return newZeroedImage(width, height, QImage::Format_Indexed8);
    if (everyRowGiven)
        return QImage(width, height, QImage::Format_RGB32);
    return newZeroedImage(width, height, QImage::Format_BGR888);
}

QImage newImage(const InfoHeader& header, const QList<QRgb>& colours, bool everyRowGiven)
{
    const int bits = header.bitsPerPixel;
    const bool indexed = bits == 1 || bits == 4 || bits == 8;
    if (!indexed && bits != 16 && bits != 24 && bits != 32)
        failInvalid();
    if (header.compression == BitFields && !hasBitFields(header))
        failInvalid();
    const std::int64_t height = std::abs(std::int64_t{header.height});
    if (header.width <= 0 || height == 0)
        failInvalid();
    if (std::uint64_t(header.width) * std::uint64_t(height) > MaxImagePixels)
        throw platform::OutOfResourcesError();

    QImage image = allocatePixels(header.width, static_cast<int>(height), indexed, everyRowGiven);
    if (image.isNull())
        throw platform::OutOfResourcesError();
    if (indexed)
        image.setColorTable(fullColourTable(colours));
    return image;
}

// Whether the data holds every row of the image (never for a header whose rows have no length).
bool everyRowGiven(const InfoHeader& header, std::span<const unsigned char> pixels)
{
    const std::uint64_t stride = rowLength(header);
    return stride > 0
        && pixels.size() / stride >= std::uint64_t(std::abs(std::int64_t{header.height}));
}

QImage buildImage(const InfoHeader& header, const QList<QRgb>& colours, const Masks& masks,
                  std::span<const unsigned char> pixels)
{
    QImage image = newImage(header, colours, everyRowGiven(header, pixels));
    const std::uint64_t stride = rowLength(header);
    const bool bottomUp = header.height > 0;
    for (int row = 0; row < image.height() && (row + 1) * stride <= pixels.size(); ++row) {
        const unsigned char* source = pixels.data() + row * stride;
        const int y = bottomUp ? image.height() - 1 - row : row;
        if (image.format() == QImage::Format_Indexed8)
            convertIndexedRow(source, image.scanLine(y), image.width(), header.bitsPerPixel);
        else
            convertColourRow(source, image, y, header.bitsPerPixel, masks);
    }
    return image;
}

// RLE8 goes with 8 bits per pixel and RLE4 with 4; any other compression is not a bitmap we
// can show.
QImage decodeCompressed(const InfoHeader& header, const QList<QRgb>& colours,
                        std::span<const unsigned char> pixels)
{
    const bool rle8 = header.compression == RunLength8 && header.bitsPerPixel == 8;
    const bool rle4 = header.compression == RunLength4 && header.bitsPerPixel == 4;
    if (!rle8 && !rle4)
        failInvalid();
    QImage image = newImage(header, colours, false); // runs may skip any pixel
    decodeRunLength(pixels, header.bitsPerPixel, header.height > 0, image);
    return image;
}

} // namespace

QImage readBmp(std::span<const unsigned char> bytes)
{
    if (bytes.empty())
        return {};
    ByteReader reader(bytes);
    if (uint16At(reader.read(14), 0) != BitmapSignature)
        failInvalid();
    const InfoHeader header = readInfoHeader(reader);
    if (header.planes != 1)
        failInvalid();
    const Masks masks = pixelMasks(header, reader);
    const QList<QRgb> colours = readColourTable(header, reader);

    std::uint64_t imageSize = header.imageSize;
    if (imageSize == 0 || header.compression == Uncompressed)
        imageSize = rowLength(header) * std::abs(std::int64_t{header.height});
    const auto pixels = reader.read(std::min<std::uint64_t>(imageSize, reader.remaining()));

    if (header.compression != Uncompressed && header.compression != BitFields)
        return decodeCompressed(header, colours, pixels);
    return buildImage(header, colours, masks, pixels);
}

} // namespace pictures
