#include "tests/platform/FolderFixture.h"

#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/ProgramFile.h"
#include "platform/SystemText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <windows.h>

namespace fs = std::filesystem;

namespace {

std::string utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A folder whose name is not ASCII, as a teacher's photographs under C:\Users\Jiří\... are.
class FilesTest : public FolderFixture {
protected:
    FilesTest() : FolderFixture(unicodeFolder()) {}
    static fs::path unicodeFolder()
    {
        fs::path folder = fs::temp_directory_path() / fs::path(u8"zorvenka-Jiří-");
        folder += std::to_string(::GetCurrentProcessId());
        return folder;
    }
    std::string cannotOpen(const fs::path& file, DWORD error)
    {
        return "Cannot open file \"" + utf8(folder_ / file) + "\". "
            + platform::systemErrorText(static_cast<int>(error));
    }
};

TEST_F(FilesTest, ReadsAFileWholeThroughABackslashPathInAUnicodeFolder)
{
    std::ofstream(folder_ / "obr" / "0" / "7.jpg", std::ios::binary) << "abc\n";
    EXPECT_EQ(platform::readWholeFile("obr\\0\\7.jpg"), (std::vector<unsigned char> {'a', 'b', 'c', '\n'}));
    std::ofstream(folder_ / "empty.jpg", std::ios::binary);
    EXPECT_TRUE(platform::readWholeFile("empty.jpg").empty());
}

TEST_F(FilesTest, AMissingFileIsNamedByItsFullPathWithTheSystemsWords)
{
    const std::string message = openMessage("obr\\0\\3.jpg");
    EXPECT_EQ(message, cannotOpen(fs::path("obr") / "0" / "3.jpg", ERROR_FILE_NOT_FOUND));
    EXPECT_NE(message.find("\\zorvenka-Jiří-"), std::string::npos) << "the folder's name, in UTF-8";
    EXPECT_EQ(openMessage("obr\\9\\3.jpg"), cannotOpen(fs::path("obr") / "9" / "3.jpg", ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(platform::absolutePath("obr\\0\\..\\2\\.\\5.jpg"), utf8(folder_ / "obr" / "2" / "5.jpg"));
}

TEST_F(FilesTest, AFileHeldByAWriterIsRefusedAndOneHeldByAReaderIsRead)
{
    const fs::path file = folder_ / "obr" / "0" / "1.jpg";
    std::ofstream(file, std::ios::binary) << "xyz";
    const HANDLE reader = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(platform::readWholeFile("obr\\0\\1.jpg").size(), 3u);
    ::CloseHandle(reader);

    const HANDLE writer = ::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(openMessage("obr\\0\\1.jpg"), cannotOpen(fs::path("obr") / "0" / "1.jpg", ERROR_SHARING_VIOLATION));
    ::CloseHandle(writer);
}

TEST_F(FilesTest, RefusesAFolderAndAFileLargerThanTheCap)
{
    EXPECT_EQ(openMessage("obr\\0"), cannotOpen(fs::path("obr") / "0", ERROR_ACCESS_DENIED));
    {
        std::ofstream huge("huge.jpg", std::ios::binary);
    }
    fs::resize_file("huge.jpg", platform::MaxFileSize + 1);
    EXPECT_EQ(openMessage("huge.jpg"), cannotOpen("huge.jpg", ERROR_FILE_TOO_LARGE));
}

TEST(SystemTextTest, IsTheSystemsOwnWordsTrimmed)
{
    const std::string text = platform::systemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(platform::systemErrorText(ERROR_ACCESS_DENIED), text);
}

TEST(ProgramFileTest, IsTheRunningProgramsFileName)
{
    EXPECT_EQ(platform::programFileName(), "platform_tests.exe");
}

} // namespace
