#include "platform/Files.h"

#include "platform/Errors.h"
#include "platform/SystemText.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// "obr\0\7.jpg" becomes "obr/0/7.jpg".
std::string nativePath(const std::string& programPath)
{
    std::string path = programPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

[[noreturn]] void failOpen(const std::string& programPath, int errorCode)
{
    throw FileOpenError(absolutePath(programPath), systemErrorText(errorCode));
}

// Closes the descriptor however the read ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { ::close(fd_); }
    int get() const { return fd_; }

private:
    int fd_;
};

// Only a regular file of a sane size is read: a FIFO, a device or a directory would block,
// never end or make no sense as a picture.
std::size_t checkedSize(const std::string& programPath, int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        failOpen(programPath, errno);
    if (S_ISDIR(info.st_mode))
        failOpen(programPath, EISDIR);
    if (!S_ISREG(info.st_mode))
        failOpen(programPath, EINVAL);
    if (static_cast<std::uintmax_t>(info.st_size) > MaxFileSize)
        failOpen(programPath, EFBIG);
    return static_cast<std::size_t>(info.st_size);
}

} // namespace

std::string absolutePath(const std::string& programPath)
{
    std::error_code ignored;
    const std::filesystem::path path = std::filesystem::absolute(nativePath(programPath), ignored);
    return path.lexically_normal().string();
}

std::vector<unsigned char> readWholeFile(const std::string& programPath)
{
    const int fd = ::open(nativePath(programPath).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        failOpen(programPath, errno);
    const FileDescriptor file(fd);
    const std::size_t size = checkedSize(programPath, file.get());

    std::vector<unsigned char> bytes(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(file.get(), bytes.data() + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            throw StreamReadError();
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

} // namespace platform
