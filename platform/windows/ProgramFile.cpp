#include "platform/ProgramFile.h"

#include "platform/windows/WideText.h"

#include <windows.h>

namespace platform {

std::string programFileName()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return "zorvenka";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2); // the name was cut short
    }
    const std::size_t folderEnd = path.find_last_of(L"\\/");
    return utf8Text(folderEnd == std::wstring::npos ? path : path.substr(folderEnd + 1));
}

} // namespace platform
