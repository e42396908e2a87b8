// The committed photographs, the artwork and the fuzz seeds, decoded as the program decodes
// them, must give the very pixels (or the very error) recorded in decoded-pixels.txt, a line
// "<path><tab><width>x<height> <fingerprint>" or "<path><tab>error <message>" each. The record
// was taken on Linux; the Windows build, with its own build of the same libjpeg-turbo and Qt,
// must match it byte for byte.
#include "CommittedFiles.h"
#include "DrawnPicture.h"

#include "pictures/Picture.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// FNV-1a over the size and the red, green and blue bytes of every pixel.
std::string fingerprint(const QImage& image)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    const auto add = [&hash](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (value >> shift) & 0xffu;
            hash *= 0x100000001b3u;
        }
    };
    add(static_cast<std::uint32_t>(image.width()));
    add(static_cast<std::uint32_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            add(row[x] & 0xffffffu);
    }
    std::ostringstream text;
    text << image.width() << "x" << image.height() << " " << std::hex << hash;
    return text.str();
}

// What loading and drawing the file gives: its pixels' fingerprint, or the error's message.
std::string decoded(const std::string& path)
{
    try {
        pictures::Picture picture;
        picture.loadFromFile(path);
        return fingerprint(drawnPixels(picture).convertToFormat(QImage::Format_RGB32));
    } catch (const std::exception& error) {
        return std::string("error ") + error.what();
    }
}

std::map<std::string, std::string> record()
{
    std::map<std::string, std::string> lines;
    std::ifstream file(committed::root() + "/tests/tools/decoded-pixels.txt");
    for (std::string line; std::getline(file, line);) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            lines[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return lines;
}

TEST(DecodedPixels, AreThoseRecordedForEveryCommittedPictureAndSeed)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(committed::root())));
    const auto recorded = record();
    for (const committed::PhotographFile& photograph : committed::photographs())
        EXPECT_TRUE(recorded.contains(photograph.path)) << photograph.path << " is not recorded";
    for (const char* artwork : {"assets/background.jpg", "assets/intro.jpg", "assets/wedge.bmp"})
        EXPECT_TRUE(recorded.contains(artwork)) << artwork << " is not recorded";
    for (const auto& [path, expected] : recorded)
        EXPECT_EQ(decoded(path), expected) << path;
    QDir::setCurrent(previous);
}

} // namespace
