#include "platform/Clock.h"

#include <time.h>

namespace platform {

std::optional<std::uint64_t> highResolutionCounter()
{
    timespec now {};
    if (::clock_gettime(CLOCK_MONOTONIC, &now) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u
        + static_cast<std::uint64_t>(now.tv_nsec);
}

std::uint32_t millisecondTicks()
{
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u
                                      + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000u);
}

} // namespace platform
