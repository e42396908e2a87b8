#pragma once

#include <string>

namespace platform {

// The operating system's own words for an error code, with trailing spaces, control characters
// and full stops cut off.
std::string systemErrorText(int errorCode);

// The text with trailing spaces, control characters and full stops cut off.
std::string trimSystemText(std::string text);

} // namespace platform
