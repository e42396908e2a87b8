#pragma once

#include "quiz/QuizState.h"
#include "quiz/QuizView.h"
#include "quiz/RandomSource.h"

#include <cstdint>

namespace quiz {

// The quiz itself: asks the thirteen questions of a round, marks the answers, shows corrections,
// counts mistakes, hands the result to the start page and prepares the next round. Where the
// cycle stands is read from the caption of BitBtn1, never kept apart.
//
// Each public method is the body of one of the quiz window's handlers. A photograph that fails
// to load ends the handler with its error at that step: what was done before it stays done and
// nothing after it is done. The caller reports the error.
class QuestionCycle {
public:
    // All three must outlive the cycle.
    QuestionCycle(QuizState& state, QuizWindow& window, RandomSource& random);

    // Once, when the quiz window is created: fills the answer list and prepares question 1.
    void FormCreate();
    // Each time the quiz window becomes active: the level follows the start page's choice.
    void FormActivate();
    // Each press of BitBtn1 (or Enter): marks the answer, or goes on after a correction.
    void BitBtn1Click();
    // Every tick of the quiz window's timer: ends the intro.
    void Timer1Timer();

private:
    bool AnswerIsRight() const;
    void ShowItemPictures();
    void AskNextQuestion();
    void ShowResult(std::int32_t mistakes);
    void StartNewRound();

    void fillChoiceList();
    void showPhotograph(Control box, std::int32_t folder);
    std::int32_t drawUnaskedItem();
    void recordCurrentItem();
    void showQuestionNumber();
    void setAnswersEnabled(bool enabled);
    void clearAnswers();
    void showRightName();
    void markAnswerWrong();
    void markLastAnswerWrong();
    void finishRound(std::int32_t mistakes);

    QuizState& state_;
    QuizWindow& window_;
    RandomSource& random_;
};

} // namespace quiz
