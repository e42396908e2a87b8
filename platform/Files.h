#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The largest file that is read whole; anything bigger is refused before memory is taken.
inline constexpr std::size_t MaxFileSize = std::size_t{256} << 20;

// Program paths are UTF-8 with backslash separators ("obr\0\7.jpg"), native on Windows and
// turned into "obr/0/7.jpg" on POSIX systems.

// The program path as this system writes it: as it is on Windows, with slashes on POSIX systems.
std::string nativePath(const std::string& programPath);

// The absolute native path: a relative path is expanded against the current directory and
// "." and ".." components are resolved, as the messages show it to the user.
std::string absolutePath(const std::string& programPath);

// Reads a regular file whole in one read and closes it at once. Raises FileOpenError
// ("Cannot open file "<absolute path>". <system text>") when the file cannot be opened, is not a
// regular file or exceeds MaxFileSize, and StreamReadError when it delivers fewer bytes than
// its size. A path that does not exist as written finds its file as on Windows, where names
// are compared without regard to case: on a system that tells capitals apart, the one file
// whose folders and name match it so is read ("obr\2\3.jpg" reads obr/2/3.JPG), and with none
// or more than one the error is the path's as written.
std::vector<unsigned char> readWholeFile(const std::string& programPath);

// The native path of the file readWholeFile reads for the program path: the path as written,
// or the one it finds by ignoring capitals.
std::string foundPath(const std::string& programPath);

// The native path of the folder for the program path, found as readWholeFile finds a file's
// folders: as written, or the one folder that matches it by ignoring capitals.
std::string foundFolder(const std::string& programPath);

} // namespace platform
