#pragma once

#include <optional>
#include <string>

namespace platform::posix {

enum class EntryKind { File, Folder };

// Where a path that does not exist as written is found as Windows would find it: the one
// existing file (or folder) whose every folder and whose name equal the path's without regard
// to the case of the letters A to Z. Nothing when there is none or more than one. The root,
// "." and ".." are taken as written; only a folder can stand for a folder, and a folder never
// for a file. A name that is there as written is taken as it is, so only the folders in which
// a name is missing need to be listed: a path through folders one may enter but not list is
// found as long as those folders' names are written as they are.
std::optional<std::string> findIgnoringCase(const std::string& nativePath,
                                            EntryKind kind = EntryKind::File);

} // namespace platform::posix
