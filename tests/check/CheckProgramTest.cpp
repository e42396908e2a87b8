#include "tests/support/TestImages.h"
#include "tests/support/TestSystem.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

CheckRun runCheck(const std::string& folder, const std::vector<std::string>& asUser = {})
{
    QStringList words;
    for (const std::string& word : asUser)
        words << QString::fromStdString(word);
    words << ZORVENKA_CHECK << QString::fromStdString(folder);
    QProcess process;
    process.start(words.takeFirst(), words);
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

// The path as the program prints it, with the system's own separator.
std::string shown(std::string path)
{
    std::replace(path.begin(), path.end(), '/', static_cast<char>(fs::path::preferred_separator));
    return path;
}

// Every photograph the quiz reads, fine, in the folder `obr` as the teacher spelled it.
void writeAllFine(const fs::path& obr)
{
    const Bytes fine = encodeJpeg(filledImage(640, 480, Qt::darkGreen));
    for (int item = 0; item <= 11; ++item)
        write(obr / "0" / (std::to_string(item) + ".jpg"), fine);
    for (const int item : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12})
        write(obr / "2" / (std::to_string(item) + ".jpg"), fine);
}

// A photograph copied only in part still shows, its lower part grey: a note, and no failure.
TEST(CheckProgram, NotesAPhotographWhoseFileEndsEarlyAndStillPasses)
{
    QTemporaryDir temporary;
    const fs::path folder = temporary.path().toStdString();
    writeAllFine(folder / "obr");
    Bytes cut = encodeJpeg(filledImage(600, 800, Qt::darkGreen, Qt::darkBlue));
    cut.resize(cut.size() / 3);
    write(folder / "obr" / "0" / "4.jpg", cut);

    const CheckRun run = runCheck(folder.string());
    EXPECT_EQ(run.exitCode, 0);
    std::string expected = "\n";
    expected += shown("obr/0/4.jpg");
    expected += ": fine, 600 x 800; its file ends early: only 26 % of the picture is in it, the "
                "rest shows grey\n";
    EXPECT_NE(run.output.find(expected), std::string::npos) << run.output;
    EXPECT_TRUE(run.output.ends_with("\nAll 22 photographs will show.\n")) << run.output;
}

// A folder copied from a Windows share as OBR: the quiz reads it by ignoring capitals, and so
// does the listing, which explains the missing 7.jpg by the 7.jpeg beside it.
TEST(CheckProgram, ListsTheUnreadFilesOfAFolderFoundByIgnoringCapitals)
{
    if (testsystem::namesIgnoreCase())
        GTEST_SKIP() << "OBR is obr here";
    QTemporaryDir temporary;
    const fs::path folder = temporary.path().toStdString();
    writeAllFine(folder / "OBR");
    fs::rename(folder / "OBR" / "0" / "7.jpg", folder / "OBR" / "0" / "7.jpeg");

    const CheckRun run = runCheck(folder.string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("obr/0/0.jpg: fine, 640 x 480; found as OBR/0/0.jpg, by ignoring "
                              "capitals\nobr/0/1.jpg: "),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("\nobr/0/7.jpg: error: Cannot open file \""), std::string::npos);
    EXPECT_TRUE(run.output.ends_with(
        "\nOBR/0/7.jpeg: never shown: the quiz does not read this file\n"
        "1 of 22 photographs will not show.\n"))
        << run.output;
}

// A quiz folder others may enter but not list, as shared folders often are, still finds its
// photographs (3.JPG too); a folder under obr/ that cannot be read is named, the listing goes
// on past it, and the last line says what the list may lack.
TEST(CheckProgram, NamesAFolderItCannotReadAndListsOnPastIt)
{
    QTemporaryDir temporary;
    const fs::path folder = temporary.path().toStdString();
    writeAllFine(folder / "obr");
    fs::rename(folder / "obr" / "2" / "3.jpg", folder / "obr" / "2" / "3.JPG");
    write(folder / "obr" / "1" / "private.jpg", {});
    write(folder / "obr" / "0" / "12.jpg", {});
    write(folder / "obr" / "2" / "notes.txt", {});
    if (!testsystem::closeFolder((folder / "obr" / "1").string(), false)
        || !testsystem::closeFolder(folder.string(), true))
        GTEST_SKIP() << "folders here cannot be closed to their users";

    const CheckRun run = runCheck(folder.string(), testsystem::asOrdinaryUser());
    testsystem::openFolder(folder.string());
    testsystem::openFolder((folder / "obr" / "1").string());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("\nobr/2/3.jpg: fine, 640 x 480; found as obr/2/3.JPG, by ignoring "
                              "capitals\n"),
              std::string::npos)
        << run.output;
    EXPECT_TRUE(run.output.ends_with(
        "\nobr/1: cannot be read (Permission denied), so its files are not listed\n"
        "obr/0/12.jpg: never shown: the quiz does not read this file\n"
        "obr/2/notes.txt: never shown: the quiz does not read this file\n"
        "All 22 photographs will show; the list of files the quiz does not read is incomplete.\n"))
        << run.output;
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
              "obr/0/7.jpg: fine, 6000 x 5000; its file ends early: less than 1 % of the picture is in it, "
                  "the rest shows grey; large (30 megapixels), so slow to show: 12 megapixels is plenty\n"
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
