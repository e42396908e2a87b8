#include "RandomSource.h"

#include "platform/Clock.h"

#include <utility>

namespace quiz {

std::uint32_t clockSeed()
{
    if (const auto counter = platform::highResolutionCounter())
        return static_cast<std::uint32_t>(*counter);
    return platform::millisecondTicks();
}

RandomSource::RandomSource(SeedSource seedSource) : seedSource_(std::move(seedSource)) {}

void RandomSource::reseed()
{
    seed_ = seedSource_();
}

std::uint32_t RandomSource::draw(std::uint32_t n)
{
    seed_ = seed_ * 134775813u + 1u; // unsigned arithmetic wraps modulo 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}

} // namespace quiz
