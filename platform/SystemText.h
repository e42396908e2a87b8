#pragma once

#include <string>

namespace platform {

// The operating system's own words, in the user's language, for an error code (errno on POSIX
// systems, GetLastError() on Windows), with trailing spaces, control characters and full stops
// cut off.
std::string systemErrorText(int errorCode);

// The text with trailing spaces, control characters and full stops cut off.
std::string trimSystemText(std::string text);

} // namespace platform
