#include "quiz/RandomSource.h"

#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Draw = std::pair<std::uint32_t, std::uint32_t>; // seed after the draw, number drawn

std::vector<Draw> drawThirteens(std::uint32_t seed, int count)
{
    quiz::RandomSource random([seed] { return seed; });
    random.reseed();
    std::vector<Draw> draws;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t number = random.draw(13);
        draws.emplace_back(random.seed(), number);
    }
    return draws;
}

// Worked out by hand: seed = seed * 134775813 + 1 mod 2^32, number = (seed * 13) >> 32.
TEST(RandomSource, DrawsTheSequenceOfTheFormula)
{
    EXPECT_EQ(drawThirteens(0, 4),
              (std::vector<Draw> {{1, 0}, {134775814, 0}, {3698175007u, 11}, {870078620, 2}}));
    // 0xFFFFFFFF * 134775813 + 1 wraps to 2^32 - 134775812.
    EXPECT_EQ(drawThirteens(0xFFFFFFFFu, 3),
              (std::vector<Draw> {{4160191484u, 12}, {866343917, 2}, {2231304098u, 6}}));
}

TEST(RandomSource, ReseedTakesANewValueFromItsSource)
{
    std::uint32_t next = 41;
    quiz::RandomSource random([&next] { return next++; });
    random.reseed();
    EXPECT_EQ(random.seed(), 41u);
    random.draw(13);
    random.reseed();
    EXPECT_EQ(random.seed(), 42u);
}

// The clock seed is the high-resolution counter's low 32 bits, read between the two readings here.
TEST(RandomSource, ClockSeedIsTheLowPartOfTheHighResolutionCounter)
{
    const auto before = platform::highResolutionCounter();
    const std::uint32_t seed = quiz::clockSeed();
    const auto after = platform::highResolutionCounter();
    ASSERT_TRUE(before && after);
    const auto low = [](std::uint64_t counter) { return static_cast<std::uint32_t>(counter); };
    EXPECT_LE(static_cast<std::uint32_t>(seed - low(*before)),
              static_cast<std::uint32_t>(low(*after) - low(*before)));
}

} // namespace
