#pragma once

#include "quiz/QuizState.h"
#include "quiz/QuizView.h"
#include "quiz/RandomSource.h"

#include <cstdint>

namespace quiz {

// The quiz itself: asks the thirteen questions of a round, marks the answers, shows corrections,
// counts mistakes, hands the result to the start page and prepares the next round. Where the
// cycle stands is read from the answer button's caption, never kept apart.
//
// Each public method is the body of one of the quiz window's handlers. A photograph that fails
// to load ends the handler with its error at that step: what was done before it stays done and
// nothing after it is done. The caller reports the error.
class QuestionCycle {
public:
    // All three must outlive the cycle.
    QuestionCycle(QuizState& state, QuizView& window, RandomSource& random);

    // Once, when the quiz window is created: fills the answer list and prepares question 1.
    void quizWindowCreated();
    // Each time the quiz window becomes active: the level follows the start page's choice.
    void quizWindowActivated();
    // Each press of the answer button (or Enter): marks the answer, or goes on after a correction.
    void answerOrGoOn();
    // Every tick of the quiz window's timer: ends the intro.
    void introEnded();

private:
    bool answerIsRight() const;
    void showItemPhotographs();
    void askNextQuestion();
    void showResult(std::int32_t mistakes);
    void startNewRound();

    void fillChoiceList();
    void showPhotograph(QuizControl box, std::int32_t folder);
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
    QuizView& window_;
    RandomSource& random_;
};

} // namespace quiz
