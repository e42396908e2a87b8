#pragma once

#include <optional>
#include <string>

namespace platform::posix {

// Where a path that does not exist as written is found as Windows would find it: the one
// existing file whose every folder and whose name equal the path's without regard to the case
// of the letters A to Z. Nothing when there is none or more than one. The root, "." and ".."
// are taken as written; only a folder can stand for a folder, and a folder never for the file.
std::optional<std::string> findIgnoringCase(const std::string& nativePath);

} // namespace platform::posix
