#pragma once

#include <cstdint>
#include <functional>

namespace quiz {

// The low 32 bits of the monotonic high-resolution counter, or the millisecond tick count where
// there is no such counter.
std::uint32_t clockSeed();

// A 32-bit linear congruential generator that draws the order of the questions. It is reseeded
// from its seed source (the clock in the program, a fixed value in tests) before each question.
class RandomSource {
public:
    using SeedSource = std::function<std::uint32_t()>;

    explicit RandomSource(SeedSource seedSource = clockSeed);

    void reseed();
    // A number from 0 to n - 1.
    std::uint32_t draw(std::uint32_t n);

    std::uint32_t seed() const { return seed_; }

private:
    SeedSource seedSource_;
    std::uint32_t seed_ = 0;
};

} // namespace quiz
