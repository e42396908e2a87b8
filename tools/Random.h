#pragma once

#include <cstdint>

namespace artwork {

// SplitMix64 with a fixed seed per picture. The standard library's distributions are not used
// because their output may differ between library versions; this one gives the same numbers
// everywhere, so the pictures come out the same bytes on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1), from the top 53 bits.
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double between(double low, double high) { return low + (high - low) * unit(); }
    // Uniform in [0, count).
    int below(int count) { return static_cast<int>(next() % static_cast<std::uint64_t>(count)); }
    bool chance(double probability) { return unit() < probability; }

private:
    std::uint64_t state_;
};

} // namespace artwork
