#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The fixed data of the quiz: the thirteen grasses, their names as answer key and as the
// beginner's list, and which picture folder holds a photograph of each. Texts are UTF-8 and are
// compared exactly as stored.
namespace quiz {

// The number of items, and of questions in every round.
inline constexpr std::int32_t ItemCount = 13;

// The one right answer for each item, by item number. The item number also names the item's
// photographs.
inline constexpr std::array<std::string_view, ItemCount> SpeciesNames {
    "Bojínek luční",
    "Jílek mnohokvětý",
    "Jílek vytrvalý",
    "Lipnice luční",
    "Metlice trsnatá",
    "Ovsík vyvýšený",
    "Psárka luční",
    "Psineček výběžkatý",
    "Pýr plazivý",
    "Srha říznačka",
    "Tomka vonná",
    "Trojštět žlutavý",
    "Kostřava luční",
};

// The beginner's list in alphabetical order. It holds the same texts as SpeciesNames, so every
// entry can be marked right; answers are matched by text, never by position.
inline constexpr std::array<std::string_view, ItemCount> ChoiceNames {
    "Bojínek luční",
    "Jílek mnohokvětý",
    "Jílek vytrvalý",
    "Kostřava luční",
    "Lipnice luční",
    "Metlice trsnatá",
    "Ovsík vyvýšený",
    "Psárka luční",
    "Psineček výběžkatý",
    "Pýr plazivý",
    "Srha říznačka",
    "Tomka vonná",
    "Trojštět žlutavý",
};

// The last list position to fill.
inline constexpr std::int32_t ChoiceLast = 12;

// 1 where the item has a photograph in folder obr\0\ (HasPicture0) or obr\2\ (HasPicture2).
inline constexpr std::array<std::int32_t, ItemCount> HasPicture0 {
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
inline constexpr std::array<std::int32_t, ItemCount> HasPicture2 {
    1, 1, 1, 1, 0, 1, 1, 0, 1, 1, 0, 1, 1};

} // namespace quiz
