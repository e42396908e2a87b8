#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/SystemText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Each test works in a folder of its own, made the current directory, as the program's
// photographs are read relative to it.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("zorvenka-files-" + std::to_string(::getpid()));
        fs::create_directories(folder_ / "obr" / "0");
        fs::current_path(folder_);
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    std::string openMessage(const std::string& path)
    {
        try {
            platform::readWholeFile(path);
        } catch (const platform::FileOpenError& error) {
            return error.what();
        }
        return "no error";
    }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(FilesTest, ReadsARegularFileWholeThroughABackslashPath)
{
    std::ofstream(folder_ / "obr" / "0" / "7.jpg", std::ios::binary) << "abc\n";
    EXPECT_EQ(platform::readWholeFile("obr\\0\\7.jpg"),
              (std::vector<unsigned char> {'a', 'b', 'c', '\n'}));
    std::ofstream(folder_ / "empty.jpg", std::ios::binary);
    EXPECT_TRUE(platform::readWholeFile("empty.jpg").empty());
}

TEST_F(FilesTest, OpenFailuresNameTheAbsolutePathAndTheSystemText)
{
    const std::string absolute = (folder_ / "obr" / "0" / "3.jpg").string();
    EXPECT_EQ(openMessage("obr\\0\\3.jpg"),
              "Cannot open file \"" + absolute + "\". No such file or directory");
    EXPECT_EQ(openMessage("obr\\0"),
              "Cannot open file \"" + (folder_ / "obr" / "0").string() + "\". Is a directory");
}

TEST_F(FilesTest, RefusesFilesThatAreNoRegularFilesWithoutBlocking)
{
    ASSERT_EQ(::mkfifo("fifo.jpg", 0600), 0);
    EXPECT_EQ(openMessage("fifo.jpg"),
              "Cannot open file \"" + (folder_ / "fifo.jpg").string() + "\". Invalid argument");
    fs::create_symlink("/dev/zero", "zero.jpg");
    EXPECT_EQ(openMessage("zero.jpg"),
              "Cannot open file \"" + (folder_ / "zero.jpg").string() + "\". Invalid argument");
}

TEST_F(FilesTest, RefusesAFileLargerThanTheCapBeforeReadingIt)
{
    {
        std::ofstream huge("huge.jpg", std::ios::binary);
    }
    fs::resize_file("huge.jpg", platform::MaxFileSize + 1); // sparse: costs no disk
    EXPECT_EQ(openMessage("huge.jpg"),
              "Cannot open file \"" + (folder_ / "huge.jpg").string() + "\". File too large");
}

TEST(AbsolutePathTest, ResolvesDotsAndKeepsAbsolutePaths)
{
    EXPECT_EQ(platform::absolutePath("/a/b/../c/./d.jpg"), "/a/c/d.jpg");
    EXPECT_EQ(platform::absolutePath("x\\y.jpg"), (fs::current_path() / "x" / "y.jpg").string());
}

TEST(SystemTextTest, CutsTrailingFullStopsSpacesAndControlCharacters)
{
    EXPECT_EQ(platform::systemErrorText(ENOENT), "No such file or directory");
    EXPECT_EQ(platform::systemErrorText(EACCES), "Permission denied");

    EXPECT_EQ(platform::trimSystemText("Access is denied. \r\n"), "Access is denied");
    EXPECT_EQ(platform::trimSystemText("Disk full...\t \x7f"), "Disk full");
    EXPECT_EQ(platform::trimSystemText("Version 2.0 of the file. "), "Version 2.0 of the file");
    EXPECT_EQ(platform::trimSystemText("Not ready!"), "Not ready!");
    EXPECT_EQ(platform::trimSystemText(" . \n"), "");
}

} // namespace
