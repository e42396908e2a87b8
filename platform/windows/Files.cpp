#include "platform/Files.h"

#include "platform/windows/WideText.h"
#include "platform/Errors.h"
#include "platform/SystemText.h"

#include <windows.h>

namespace platform {
namespace {

[[noreturn]] void failOpen(const std::string& programPath, DWORD errorCode)
{
    throw FileOpenError(absolutePath(programPath), systemErrorText(static_cast<int>(errorCode)));
}

// Closes the handle however the read ends.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { ::CloseHandle(handle_); }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Only a file on disk of a sane size is read: a device (CON, a pipe) would block, never end or
// make no sense as a picture. A folder never opens: CreateFileW refuses it.
std::size_t checkedSize(const std::string& programPath, HANDLE file)
{
    if (::GetFileType(file) != FILE_TYPE_DISK)
        failOpen(programPath, ERROR_INVALID_FUNCTION);
    LARGE_INTEGER size {};
    if (!::GetFileSizeEx(file, &size))
        failOpen(programPath, ::GetLastError());
    if (static_cast<unsigned long long>(size.QuadPart) > MaxFileSize)
        failOpen(programPath, ERROR_FILE_TOO_LARGE);
    return static_cast<std::size_t>(size.QuadPart);
}

} // namespace

std::string absolutePath(const std::string& programPath)
{
    const std::wstring path = wideText(programPath);
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return programPath;
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    full.resize(length < size ? length : 0);
    return utf8Text(full);
}

// Read-only, an existing file only, shared with other readers while writers are refused, so a
// photograph being copied in is never read half-written.
std::vector<unsigned char> readWholeFile(const std::string& programPath)
{
    const HANDLE handle = ::CreateFileW(wideText(programPath).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        failOpen(programPath, ::GetLastError());
    const FileHandle file(handle);
    const std::size_t size = checkedSize(programPath, file.get());

    std::vector<unsigned char> bytes(size);
    DWORD got = 0;
    if (size > 0 && (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(size), &got, nullptr) || got != size))
        throw StreamReadError();
    return bytes;
}

std::string nativePath(const std::string& programPath)
{
    return programPath;
}

// Windows file systems compare names without regard to case themselves.
std::string foundPath(const std::string& programPath)
{
    return programPath;
}

std::string foundFolder(const std::string& programPath)
{
    return programPath;
}

} // namespace platform
