// Writes the seed corpora: small valid and broken JPEG and BMP files and their stored forms,
// made by the picture tests' own image writers. Run it again after changing it and commit the
// folders it writes: zorvenka-fuzz-seeds <fuzz/corpus folder>.
#include "tests/support/TestImages.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using testimages::Bytes;

namespace {

void write(const fs::path& folder, const std::string& name, const Bytes& bytes)
{
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes firstPart(const Bytes& bytes, std::size_t count)
{
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(count, bytes.size()))};
}

// A stored picture for the stored-data target: its kind byte, then the count and the bytes.
Bytes storedSeed(unsigned char kind, const Bytes& stored)
{
    Bytes seed{kind};
    seed.insert(seed.end(), stored.begin(), stored.end());
    return seed;
}

Bytes indexedBmp(int bitsPerPixel, int colours)
{
    const int width = 5;
    const int height = 3;
    Bytes bytes = testimages::bmpHeaders(width, height, bitsPerPixel, 0, static_cast<std::uint32_t>(colours));
    for (int i = 0; i < colours; ++i)
        testimages::appendUint32(bytes, static_cast<std::uint32_t>(i * 0x010203));
    const int rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    for (int i = 0; i < rowBytes * height; ++i)
        bytes.push_back(static_cast<unsigned char>(i * 37));
    return bytes;
}

Bytes bitFieldsBmp()
{
    Bytes bytes = testimages::bmpHeaders(4, 2, 16, 3);
    for (std::uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu})
        testimages::appendUint32(bytes, mask);
    for (int i = 0; i < 16; ++i)
        bytes.push_back(static_cast<unsigned char>(i * 29));
    return bytes;
}

Bytes runLengthBmp()
{
    Bytes bytes = testimages::bmpHeaders(4, 2, 8, 1, 2);
    testimages::appendUint32(bytes, 0x00FF0000);
    testimages::appendUint32(bytes, 0x0000FF00);
    for (unsigned char b : {4, 1, 0, 0, 4, 0, 0, 1})
        bytes.push_back(b);
    return bytes;
}

Bytes coreHeaderBmp()
{
    Bytes bytes{'B', 'M'};
    testimages::appendUint32(bytes, 14 + 12 + 6 + 8);
    testimages::appendUint32(bytes, 0);
    testimages::appendUint32(bytes, 14 + 12 + 6);
    testimages::appendUint32(bytes, 12);
    for (std::uint16_t field : {2, 2, 1, 1})
        testimages::appendUint16(bytes, field);
    for (unsigned char b : {0, 0, 0, 255, 255, 255, 0x80, 0, 0, 0, 0x40, 0, 0, 0})
        bytes.push_back(b);
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication toolkit(argc, argv);
    const fs::path corpus = argv[1];

    const QImage halves = testimages::filledImage(16, 12, Qt::red, Qt::blue);
    const Bytes jpegs[] = {
        testimages::encodeJpeg(halves),
        testimages::encodeJpeg(halves, testimages::JpegColours::Grey),
        testimages::encodeJpeg(halves, testimages::JpegColours::Rgb, true),
        testimages::encodeJpeg(halves, testimages::JpegColours::AdobeCmyk),
        testimages::encodeJpeg(testimages::filledImage(1, 1, Qt::green)),
    };
    const char* jpegNames[] = {"colour.jpg", "grey.jpg", "progressive.jpg", "cmyk.jpg", "one-pixel.jpg"};
    for (std::size_t i = 0; i < std::size(jpegs); ++i)
        write(corpus / "jpeg", jpegNames[i], jpegs[i]);
    write(corpus / "jpeg", "cut-in-half.jpg", firstPart(jpegs[0], jpegs[0].size() / 2));
    write(corpus / "jpeg", "cut-in-header.jpg", firstPart(jpegs[0], 40));
    write(corpus / "jpeg", "claims-large.jpg", testimages::withClaimedSize(jpegs[0], 1000, 750));
    // Empty scans one after another; a small picture, so that its variants stay quick to decode.
    write(corpus / "jpeg", "many-scans.jpg", testimages::manyScansJpeg(16, 12, 40));
    // Orientation tags as cameras write them, in both byte orders, turning colour and palette
    // pixels, and one cut short so that the turned picture is left part white.
    write(corpus / "jpeg", "exif-quarter-turn.jpg", testimages::withOrientation(jpegs[0], 6));
    write(corpus / "jpeg", "exif-motorola-transpose-grey.jpg", testimages::withOrientation(jpegs[1], 5, true));
    const Bytes turned = testimages::withOrientation(jpegs[0], 8, true);
    write(corpus / "jpeg", "exif-cut-in-half.jpg", firstPart(turned, turned.size() * 2 / 3));

    const Bytes bmps[] = {
        testimages::solidBmp(3, 2, Qt::darkGreen), indexedBmp(1, 2), indexedBmp(4, 16),
        indexedBmp(8, 0), bitFieldsBmp(), runLengthBmp(), coreHeaderBmp(),
    };
    const char* bmpNames[] = {"24-bit.bmp", "1-bit.bmp", "4-bit.bmp", "8-bit-full-table.bmp",
                              "bit-fields.bmp", "run-length.bmp", "core-header.bmp"};
    for (std::size_t i = 0; i < std::size(bmps); ++i)
        write(corpus / "bmp", bmpNames[i], bmps[i]);
    write(corpus / "bmp", "cut-in-header.bmp", firstPart(bmps[0], 20));
    write(corpus / "bmp", "cut-in-pixels.bmp", firstPart(bmps[0], bmps[0].size() - 3));

    write(corpus / "stored", "jpeg", storedSeed(0, testimages::storedData(jpegs[0])));
    write(corpus / "stored", "grey-jpeg", storedSeed(0, testimages::storedData(jpegs[1])));
    write(corpus / "stored", "bmp", storedSeed(1, testimages::storedData(bmps[0])));
    write(corpus / "stored", "indexed-bmp", storedSeed(1, testimages::storedData(bmps[2])));
    write(corpus / "stored", "count-too-large", storedSeed(0, firstPart(testimages::storedData(jpegs[0]), 100)));
    write(corpus / "stored", "empty-jpeg", storedSeed(0, testimages::storedData({})));
    return 0;
}
