#include "platform/Files.h"

#include "platform/Errors.h"
#include "platform/SystemText.h"
#include "platform/posix/CaseInsensitivePath.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string absoluteNativePath(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::absolute(path, ignored).lexically_normal().string();
}

// The error names the file that was opened: the path as written, or the one found for it.
[[noreturn]] void failOpen(const std::string& path, int errorCode)
{
    throw FileOpenError(absoluteNativePath(path), systemErrorText(errorCode));
}

int openForReading(const std::string& path)
{
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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
std::size_t checkedSize(const std::string& path, int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        failOpen(path, errno);
    if (S_ISDIR(info.st_mode))
        failOpen(path, EISDIR);
    if (!S_ISREG(info.st_mode))
        failOpen(path, EINVAL);
    if (static_cast<std::uintmax_t>(info.st_size) > MaxFileSize)
        failOpen(path, EFBIG);
    return static_cast<std::size_t>(info.st_size);
}

} // namespace

std::string absolutePath(const std::string& programPath)
{
    return absoluteNativePath(nativePath(programPath));
}

std::vector<unsigned char> readWholeFile(const std::string& programPath)
{
    // As written first, so a file that is there costs no more than one open.
    std::string path = nativePath(programPath);
    int fd = openForReading(path);
    if (fd < 0 && errno == ENOENT) {
        if (const auto found = posix::findIgnoringCase(path)) {
            path = *found;
            fd = openForReading(path);
        } else {
            errno = ENOENT;
        }
    }
    if (fd < 0)
        failOpen(path, errno);
    const FileDescriptor file(fd);
    const std::size_t size = checkedSize(path, file.get());

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

// "obr\0\7.jpg" becomes "obr/0/7.jpg".
std::string nativePath(const std::string& programPath)
{
    std::string path = programPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

namespace {

std::string found(const std::string& programPath, posix::EntryKind kind)
{
    const std::string path = nativePath(programPath);
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 || errno != ENOENT)
        return path;
    return posix::findIgnoringCase(path, kind).value_or(path);
}

} // namespace

std::string foundPath(const std::string& programPath)
{
    return found(programPath, posix::EntryKind::File);
}

std::string foundFolder(const std::string& programPath)
{
    return found(programPath, posix::EntryKind::Folder);
}

} // namespace platform
