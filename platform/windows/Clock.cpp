#include "platform/Clock.h"

#include <windows.h>

namespace platform {

std::optional<std::uint64_t> highResolutionCounter()
{
    LARGE_INTEGER counter {};
    if (!::QueryPerformanceCounter(&counter))
        return std::nullopt;
    return static_cast<std::uint64_t>(counter.QuadPart);
}

std::uint32_t millisecondTicks()
{
    return ::GetTickCount();
}

} // namespace platform
