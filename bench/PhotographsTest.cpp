// The benchmarks' own inputs and baseline: a ratio means something only when the baseline does
// the program's work, and the program finds every photograph it asks for.
#include "Photographs.h"

#include "pictures/JpegGraphic.h"
#include "pictures/Picture.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

QImage decodedByTheProgram(const benchphotos::Bytes& bytes)
{
    pictures::JpegGraphic graphic;
    graphic.readBytes(bytes);
    QImage canvas(8, 8, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    graphic.draw(painter, canvas.rect());
    return graphic.decoded()->image();
}

TEST(BenchPhotographs, TheBareDecodeGivesThePixelsOfTheProgramsDecode)
{
    const benchphotos::Bytes bytes = benchphotos::makePhotograph(96, 64);
    const QImage program = decodedByTheProgram(bytes);
    ASSERT_EQ(program.size(), QSize(96, 64));
    std::vector<unsigned char> bare(std::size_t{96} * 64 * 4);
    benchphotos::decodeBare(bytes, bare.data());
    for (int y = 0; y < 64; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(bare.data() + std::size_t{96} * 4 * y);
        const auto* expected = reinterpret_cast<const QRgb*>(program.constScanLine(y));
        for (int x = 0; x < 96; ++x)
            ASSERT_EQ(qRed(row[x]) << 16 | qGreen(row[x]) << 8 | qBlue(row[x]),
                      qRed(expected[x]) << 16 | qGreen(expected[x]) << 8 | qBlue(expected[x]))
                << "at " << x << ", " << y;
    }
}

TEST(BenchPhotographs, EveryItemOfBothFoldersLoadsAtTheAskedSizeAndTheFoldersDiffer)
{
    const fs::path folder = fs::temp_directory_path() / ("zorvenka-bench-test-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    benchphotos::writePhotographFolders(folder, 40, 30);
    for (const char* sub : {"0", "2"}) {
        for (int item = 0; item < 13; ++item) {
            pictures::Picture picture;
            const fs::path path = folder / "obr" / sub / (std::to_string(item) + ".jpg");
            ASSERT_NO_THROW(picture.loadFromFile(path.string())) << path;
            EXPECT_EQ(picture.width(), 40);
            EXPECT_EQ(picture.height(), 30);
        }
    }
    EXPECT_NE(benchphotos::readFile(folder / "obr" / "0" / "0.jpg"), benchphotos::readFile(folder / "obr" / "2" / "0.jpg"));
    fs::remove_all(folder);
}

} // namespace
