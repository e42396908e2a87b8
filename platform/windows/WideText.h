#pragma once

#include <string>

namespace platform {

// The program's texts are UTF-8; Win32's W functions take and give UTF-16.
std::wstring wideText(const std::string& utf8);
std::string utf8Text(const std::wstring& wide);

} // namespace platform
