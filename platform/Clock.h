#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The monotonic high-resolution counter, or nothing where the system has none.
std::optional<std::uint64_t> highResolutionCounter();

// Milliseconds since an arbitrary fixed point, wrapping at 2^32.
std::uint32_t millisecondTicks();

} // namespace platform
