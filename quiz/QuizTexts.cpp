#include "QuizTexts.h"

namespace quiz {

using std::to_string;

std::string questionLabel(std::int32_t questionNumber)
{
    return to_string(questionNumber) + ". ";
}

std::string mistakesLine(std::int32_t mistakes, std::int32_t questionNumber)
{
    return " Chyb: " + to_string(mistakes) + "/" + to_string(questionNumber) + " ";
}

std::string resultLine(bool advanced, std::int32_t mistakes, std::int32_t questionNumber)
{
    const std::string level = advanced ? "Pokročilý: Skore: " : "Začátečník: Skore: ";
    return level + to_string(mistakes) + " / " + to_string(questionNumber);
}

std::string photographPath(std::int32_t folder, std::int32_t item)
{
    return "obr\\" + to_string(folder) + "\\" + to_string(item) + ".jpg";
}

} // namespace quiz
