#pragma once

#include <array>
#include <cstdint>

namespace quiz {

// The round in progress. The program keeps exactly one, beside the quiz window; only the
// question cycle reads or writes it.
struct QuizState {
    // The item of the question on display.
    std::int32_t currentItem = 0;
    // The number (1..13) of the question on display, which is also how many items askedItems
    // holds; 0 before the first question of a round is prepared.
    std::int32_t questionNumber = 0;
    // Wrong answers counted so far; a wrong last answer is added only where it is shown.
    std::int32_t mistakeCount = 0;
    // Entry k holds the item of question k + 1; the entries after the last question hold 0.
    std::array<std::int32_t, 1001> askedItems {};
    // false: the answer is picked from the list; true: it is typed.
    bool advancedMode = false;
};

} // namespace quiz
