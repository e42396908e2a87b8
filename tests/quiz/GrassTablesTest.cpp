#include "quiz/GrassTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using quiz::ChoiceNames;
using quiz::SpeciesNames;

std::vector<std::string> sorted(const auto& texts)
{
    std::vector<std::string> result(texts.begin(), texts.end());
    std::ranges::sort(result);
    return result;
}

// Every list entry must be some item's answer byte for byte, or picking it could never be right.
TEST(GrassTables, ListAndAnswerKeyHoldTheSameThirteenTexts)
{
    EXPECT_EQ(sorted(ChoiceNames), sorted(SpeciesNames));
    EXPECT_EQ(std::set<std::string>(SpeciesNames.begin(), SpeciesNames.end()).size(), 13u);
    EXPECT_EQ(quiz::ChoiceLast + 1, quiz::ItemCount);
}

TEST(GrassTables, KostravaIsListedFourthButIsTheAnswerToItemTwelve)
{
    EXPECT_EQ(ChoiceNames[3], "Kostřava luční");
    EXPECT_EQ(SpeciesNames[12], "Kostřava luční");
    for (std::size_t position = 0; position < 3; ++position)
        EXPECT_EQ(ChoiceNames[position], SpeciesNames[position]);
    for (std::size_t position = 4; position < 13; ++position)
        EXPECT_EQ(ChoiceNames[position], SpeciesNames[position - 1]);
}

// The letters with diacritics are single precomposed characters in UTF-8.
TEST(GrassTables, TextsAreStoredAsPrecomposedUtf8)
{
    EXPECT_EQ(SpeciesNames[0], "Boj\xC3\xADnek lu\xC4\x8Dn\xC3\xAD");
    EXPECT_EQ(SpeciesNames[9], "Srha \xC5\x99\xC3\xADzna\xC4\x8Dka");
    EXPECT_EQ(SpeciesNames[11], "Troj\xC5\xA1t\xC4\x9Bt \xC5\xBElutav\xC3\xBD");
}

TEST(GrassTables, EveryItemHasAPhotographAndOnlyTheDocumentedOnesLackOne)
{
    std::set<int> withoutFolder0;
    std::set<int> withoutFolder2;
    for (int item = 0; item < quiz::ItemCount; ++item) {
        if (!quiz::HasPlantPhoto[item])
            withoutFolder0.insert(item);
        if (!quiz::HasHeadPhoto[item])
            withoutFolder2.insert(item);
        EXPECT_TRUE(quiz::HasPlantPhoto[item] || quiz::HasHeadPhoto[item]) << item;
    }
    EXPECT_EQ(withoutFolder0, std::set<int>({12}));
    EXPECT_EQ(withoutFolder2, std::set<int>({4, 7, 10}));
}

} // namespace
