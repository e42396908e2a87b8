#include "platform/SystemText.h"

#include "platform/windows/WideText.h"

#include <windows.h>

namespace platform {

std::string systemErrorText(int errorCode)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(errorCode), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0)
        return "System error " + std::to_string(static_cast<DWORD>(errorCode));
    const std::wstring wide(text, length);
    ::LocalFree(text);
    return trimSystemText(utf8Text(wide));
}

} // namespace platform
