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

// Whether the item has a photograph of the whole plant in folder obr\0\ (HasPlantPhoto) and one
// of its flowering head in folder obr\2\ (HasHeadPhoto).
inline constexpr std::array<bool, ItemCount> HasPlantPhoto {
    true, true, true, true, true, true, true, true, true, true, true, true, false};
inline constexpr std::array<bool, ItemCount> HasHeadPhoto {
    true, true, true, true, false, true, true, false, true, true, false, true, true};

} // namespace quiz
