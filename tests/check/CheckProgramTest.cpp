#include "tests/pictures/TestImages.h"
#include "tests/support/TestSystem.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

namespace {

namespace fs = std::filesystem;
using namespace testimages;

struct CheckRun {
    int exitCode = -1;
    std::string output;
};

CheckRun runCheck(const std::string& folder)
{
    QProcess process;
    process.start(ZORVENKA_CHECK, {QString::fromStdString(folder)});
    EXPECT_TRUE(process.waitForFinished(100'000));
    std::string output = process.readAllStandardOutput().toStdString();
    std::erase(output, '\r'); // Windows ends its console lines with CR LF
    return {process.exitCode(), output};
}

void write(const fs::path& path, const Bytes& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A folder with every kind of fault and warning, beside photographs that are simply fine.
TEST(CheckProgram, ReportsEveryPhotographAsTheQuizWillShowItAndFailsWhenOneWillNot)
{
    QTemporaryDir temporary;
    const fs::path folder = temporary.path().toStdString();
    const fs::path obr0 = folder / "obr" / "0";
    const fs::path obr2 = folder / "obr" / "2";
    const Bytes fine = encodeJpeg(filledImage(640, 480, Qt::darkGreen));
    for (const int item : {0, 1, 2, 6, 8, 9, 11, 12})
        write(obr2 / (std::to_string(item) + ".jpg"), fine);
    // Where the system tells capitals apart, a camera's 3.JPG is found by ignoring them, and two
    // names that differ only in capitals are refused; elsewhere 3.JPG is simply 3.jpg.
    const bool namesIgnoreCase = testsystem::namesIgnoreCase();
    write(obr2 / "3.JPG", fine);
    if (!namesIgnoreCase) {
        write(obr2 / "5.JPG", fine);
        write(obr2 / "5.Jpg", fine);
    }
    write(obr0 / "0.jpg", fine);
    // 1.jpg is missing.
    write(obr0 / "2.jpg", solidBmp(4, 4, Qt::red));
    write(obr0 / "3.jpg", {});
    Bytes damaged = encodeJpeg(filledImage(48, 48, Qt::red));
    const Bytes frameHeader{0xFF, 0xC0, 0x00, 0x0B, 8, 0, 48, 0, 48, 1, 1, 0x11, 0};
    damaged.insert(damaged.end() - 2, frameHeader.begin(), frameHeader.end());
    write(obr0 / "4.jpg", damaged);
    write(obr0 / "5.jpg", withOrientation(encodeJpeg(filledImage(480, 360, Qt::blue)), 6));
    write(obr0 / "6.jpg", encodeJpeg(filledImage(100, 80, Qt::blue)));
    write(obr0 / "7.jpg", withClaimedSize(encodeJpeg(filledImage(16, 16, Qt::blue)), 6000, 5000));
    fs::create_directories(obr0 / "8.jpg");
    for (const int item : {9, 10, 11, 12})
        write(obr0 / (std::to_string(item) + ".jpg"), fine);
    write(folder / "obr" / "notes.txt", {'h', 'i'});

    const std::string absolute = fs::path(folder).lexically_normal().string();
    const std::string missing = testsystem::missingFileText();
    const CheckRun run = runCheck(folder.string());
    EXPECT_EQ(run.exitCode, 1);
    std::string expected =
              "obr/0/0.jpg: fine, 640 x 480\n"
              "obr/0/1.jpg: error: Cannot open file \"" + absolute + "/obr/0/1.jpg\". " + missing + ".\n"
              "obr/0/2.jpg: error: JPEG error #53.\n"
              "obr/0/3.jpg: error: JPEG error #42.\n"
              "obr/0/4.jpg: error: JPEG error #" + std::to_string(JERR_SOF_DUPLICATE) + ".\n"
              "obr/0/5.jpg: fine, 360 x 480; shown upright: its camera tag asks for a quarter turn clockwise\n"
              "obr/0/6.jpg: fine, 100 x 80; smaller than its box (393 x 480), so shown small\n"
              "obr/0/7.jpg: fine, 6000 x 5000; large (30 megapixels), so slow to show: 12 megapixels is plenty\n"
              "obr/0/8.jpg: error: Cannot open file \"" + absolute + "/obr/0/8.jpg\". "
                  + testsystem::folderInsteadOfFileText() + ".\n"
              "obr/0/9.jpg: fine, 640 x 480\n"
              "obr/0/10.jpg: fine, 640 x 480\n"
              "obr/0/11.jpg: fine, 640 x 480\n"
              "obr/2/0.jpg: fine, 640 x 480\n"
              "obr/2/1.jpg: fine, 640 x 480\n"
              "obr/2/2.jpg: fine, 640 x 480\n"
              + (namesIgnoreCase ? "obr/2/3.jpg: fine, 640 x 480\n"
                                 : "obr/2/3.jpg: fine, 640 x 480; found as obr/2/3.JPG, by ignoring capitals\n")
              + "obr/2/5.jpg: error: Cannot open file \"" + absolute + "/obr/2/5.jpg\". " + missing + ".\n"
              "obr/2/6.jpg: fine, 640 x 480\n"
              "obr/2/8.jpg: fine, 640 x 480\n"
              "obr/2/9.jpg: fine, 640 x 480\n"
              "obr/2/11.jpg: fine, 640 x 480\n"
              "obr/2/12.jpg: fine, 640 x 480\n"
              "obr/0/12.jpg: never shown: the quiz does not read this file\n"
              + (namesIgnoreCase ? "" : "obr/2/5.JPG: never shown: the quiz does not read this file\n"
                                        "obr/2/5.Jpg: never shown: the quiz does not read this file\n")
              + "obr/notes.txt: never shown: the quiz does not read this file\n"
              "6 of 22 photographs will not show.\n";
    // The program names its files with the system's own separator.
    std::replace(expected.begin(), expected.end(), '/', static_cast<char>(fs::path::preferred_separator));
    EXPECT_EQ(run.output, expected);
}

TEST(CheckProgram, PassesTheShippedPhotographs)
{
    const CheckRun run = runCheck(SHIPPED_PHOTOGRAPHS);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.ends_with("\nAll 22 photographs will show.\n")) << run.output;
}

} // namespace
