#pragma once

#include <cstdint>
#include <string>

// The texts the question cycle writes into the windows, and the photograph paths it loads.
namespace quiz {

// Captions of the quiz window's button; the caption also tells where the cycle stands.
inline constexpr char CaptionOk[] = "OK";
inline constexpr char CaptionNext[] = "NEXT";
inline constexpr char CaptionStartPage[] = "Start page";

// "7. "
std::string questionLabel(std::int32_t questionNumber);
// " Chyb: 2/5 "
std::string mistakesLine(std::int32_t mistakes, std::int32_t questionNumber);
// "Začátečník: Skore: 2 / 13" or "Pokročilý: Skore: 2 / 13"
std::string resultLine(bool advanced, std::int32_t mistakes, std::int32_t questionNumber);
// "obr\0\7.jpg": the item's photograph in picture folder 0 or 2, relative, with backslashes.
std::string photographPath(std::int32_t folder, std::int32_t item);

} // namespace quiz
