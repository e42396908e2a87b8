#include "tests/platform/FolderFixture.h"

#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/SystemText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FilesTest : public FolderFixture {
protected:
    FilesTest() : FolderFixture(fs::temp_directory_path() / ("zorvenka-files-" + std::to_string(::getpid()))) {}
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

// Names as cameras write them: a path that is not there as written reads the one file whose
// folders and name match it without regard to case (here "obr" and "Obr" both match "OBR", and
// only one holds the file), and a file or folder there as written wins.
TEST_F(FilesTest, FindsAFileByItsCapitalsWhenItIsNotThereAsWritten)
{
    std::ofstream(folder_ / "obr" / "0" / "3.JPG", std::ios::binary) << "3";
    fs::create_directories(folder_ / "Obr" / "2");
    std::ofstream(folder_ / "Obr" / "2" / "5.Jpg", std::ios::binary) << "5";
    std::ofstream(folder_ / "obr" / "0" / "7.jpg", std::ios::binary) << "seven";
    std::ofstream(folder_ / "obr" / "0" / "7.JPG", std::ios::binary) << "SEVEN";

    EXPECT_EQ(platform::readWholeFile("obr\\0\\3.jpg"), (std::vector<unsigned char>{'3'}));
    EXPECT_EQ(platform::foundPath("obr\\0\\3.jpg"), "obr/0/3.JPG");
    EXPECT_EQ(platform::readWholeFile("OBR\\2\\5.jpg"), (std::vector<unsigned char>{'5'}));
    EXPECT_EQ(platform::foundPath("OBR\\2\\5.jpg"), "Obr/2/5.Jpg");
    EXPECT_EQ(platform::foundPath("obr\\2\\5.jpg"), "obr/2/5.jpg");
    EXPECT_EQ(platform::readWholeFile("obr\\0\\7.jpg").size(), 5u);
    EXPECT_EQ(platform::foundPath("obr\\0\\7.jpg"), "obr/0/7.jpg");
    EXPECT_EQ(platform::foundPath((folder_ / "OBR" / "0" / "3.jpg").string()),
              (folder_ / "obr" / "0" / "3.JPG").string());
}

// Runs the check in a child process as an ordinary user, whom folder modes stop (they do not
// stop the superuser), and gives whether it held.
template <typename Check>
bool holdsForAnOrdinaryUser(Check check)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ordinary = ::geteuid() != 0
            || (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0);
        ::_exit(ordinary && check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A shared quiz folder that others may enter but not list: only the folder where the name as
// written is missing is listed, so 3.JPG is still found.
TEST_F(FilesTest, FindsAFileByItsCapitalsThroughFoldersThatCannotBeListed)
{
    std::ofstream(folder_ / "obr" / "0" / "3.JPG", std::ios::binary) << "3";
    fs::permissions(folder_, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec);
    EXPECT_TRUE(holdsForAnOrdinaryUser([&] {
        return platform::readWholeFile("obr\\0\\3.jpg") == std::vector<unsigned char>{'3'}
            && platform::foundPath((folder_ / "obr" / "0" / "3.jpg").string())
            == (folder_ / "obr" / "0" / "3.JPG").string();
    }));
    fs::permissions(folder_, fs::perms::owner_all);
}

TEST_F(FilesTest, FindsAFolderByItsCapitalsAndNeverAFileForIt)
{
    std::ofstream(folder_ / "obr" / "0" / "3.JPG", std::ios::binary) << "3";
    EXPECT_EQ(platform::foundFolder("OBR"), "obr");
    EXPECT_EQ(platform::foundFolder("Obr\\0"), "obr/0");
    EXPECT_EQ(platform::foundFolder("obr\\0\\3.jpg"), "obr/0/3.jpg");
    EXPECT_EQ(platform::foundPath("OBR"), "OBR");
}

TEST_F(FilesTest, RefusesAPathThatTwoNamesMatchOnlyWithoutRegardToCase)
{
    std::ofstream(folder_ / "obr" / "0" / "3.JPG", std::ios::binary) << "a";
    std::ofstream(folder_ / "obr" / "0" / "3.Jpg", std::ios::binary) << "b";
    fs::create_directories(folder_ / "obr" / "0" / "4.JPG"); // a folder is no photograph
    for (const std::string name : {"3.jpg", "4.jpg"}) {
        const std::string asWritten = (folder_ / "obr" / "0" / name).string();
        EXPECT_EQ(openMessage("obr\\0\\" + name),
                  "Cannot open file \"" + asWritten + "\". No such file or directory");
        EXPECT_EQ(platform::foundPath("obr\\0\\" + name), "obr/0/" + name);
    }
}

TEST(AbsolutePathTest, ResolvesDotsAndKeepsAbsolutePaths)
{
    EXPECT_EQ(platform::absolutePath("/a/b/../c/./d.jpg"), "/a/c/d.jpg");
    EXPECT_EQ(platform::absolutePath("x\\y.jpg"), (fs::current_path() / "x" / "y.jpg").string());
}

TEST(SystemTextTest, IsTheSystemsOwnWordsTrimmed)
{
    EXPECT_EQ(platform::systemErrorText(ENOENT), "No such file or directory");
    EXPECT_EQ(platform::systemErrorText(EACCES), "Permission denied");
}

} // namespace
