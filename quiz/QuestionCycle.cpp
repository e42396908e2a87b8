#include "QuestionCycle.h"

#include "quiz/GrassTables.h"
#include "quiz/QuizTexts.h"

#include <algorithm>
#include <span>

namespace quiz {

QuestionCycle::QuestionCycle(QuizState& state, QuizView& window, RandomSource& random)
    : state_(state), window_(window), random_(random)
{
}

// Handlers

void QuestionCycle::quizWindowCreated()
{
    fillChoiceList();
    random_.reseed();
    state_.currentItem = 0;
    showItemPhotographs();
    recordCurrentItem();
    showQuestionNumber();
}

void QuestionCycle::quizWindowActivated()
{
    window_.hideStartPage();
    if (window_.beginnerChecked()) {
        state_.advancedMode = false;
        window_.setVisible(QuizControl::PickedAnswer, true);
        window_.setVisible(QuizControl::TypedAnswer, false);
        return;
    }
    if (window_.advancedChecked()) {
        state_.advancedMode = true;
        window_.setVisible(QuizControl::TypedAnswer, true);
        window_.setVisible(QuizControl::PickedAnswer, false);
    }
}

void QuestionCycle::answerOrGoOn()
{
    const std::string caption = window_.text(QuizControl::AnswerButton);
    if (caption == CaptionStartPage) {
        finishRound(state_.mistakeCount + 1);
        return;
    }
    setAnswersEnabled(false);
    // After a correction the old wrong answer is still in place; the caption says to go on.
    const bool goOn = answerIsRight() || caption == CaptionNext;
    if (state_.questionNumber == ItemCount) {
        if (goOn)
            finishRound(state_.mistakeCount);
        else
            markLastAnswerWrong();
        return;
    }
    if (goOn)
        askNextQuestion();
    else
        markAnswerWrong();
}

void QuestionCycle::introEnded()
{
    window_.setVisible(QuizControl::IntroPanel, false);
    window_.setEnabled(QuizControl::AnswerButton, true);
}

// Steps

// Both controls are tested at either level: the other level's control is hidden and empty.
bool QuestionCycle::answerIsRight() const
{
    const std::string_view rightName = SpeciesNames[state_.currentItem];
    return window_.text(QuizControl::PickedAnswer) == rightName
        || window_.text(QuizControl::TypedAnswer) == rightName;
}

// A box without a photograph of the item is only hidden; it keeps the picture it held.
void QuestionCycle::showItemPhotographs()
{
    window_.setVisible(QuizControl::PlantPhoto, false);
    window_.setVisible(QuizControl::HeadPhoto, false);
    if (HasPlantPhoto[state_.currentItem])
        showPhotograph(QuizControl::PlantPhoto, 0);
    if (HasHeadPhoto[state_.currentItem])
        showPhotograph(QuizControl::HeadPhoto, 2);
}

void QuestionCycle::askNextQuestion()
{
    setAnswersEnabled(true);
    clearAnswers();
    window_.setText(QuizControl::AnswerButton, CaptionOk);
    window_.setVisible(QuizControl::CorrectionPanel, false);
    random_.reseed();
    state_.currentItem = drawUnaskedItem();
    recordCurrentItem();
    showQuestionNumber();
    showItemPhotographs();
}

void QuestionCycle::showResult(std::int32_t mistakes)
{
    window_.showResultScreen();
    window_.hideQuizWindow();
    window_.setResultLine(resultLine(state_.advancedMode, mistakes, state_.questionNumber));
}

// The level is not read here: the quiz window reads it when it is next activated.
void QuestionCycle::startNewRound()
{
    window_.setText(QuizControl::AnswerButton, CaptionOk);
    state_.questionNumber = 0;
    state_.mistakeCount = 0;
    state_.askedItems.fill(0);
    state_.currentItem = 0;
    showItemPhotographs();
    recordCurrentItem();
    showQuestionNumber();
    window_.setVisible(QuizControl::CorrectionPanel, false);
    clearAnswers();
    setAnswersEnabled(true);
}

// Parts of the steps

void QuestionCycle::fillChoiceList()
{
    for (std::int32_t position = 0; position <= ChoiceLast; ++position)
        window_.appendChoice(std::string(ChoiceNames[position]));
}

void QuestionCycle::showPhotograph(QuizControl box, std::int32_t folder)
{
    window_.setVisible(box, true);
    window_.loadPicture(box, photographPath(folder, state_.currentItem));
}

// Draws until it meets an item not asked yet in this round. Only the questions already asked
// are searched: a round whose first question could not be recorded (a photograph that failed
// to load) does not hold item 0, and searching one entry further would then exclude every
// item at the last question and never end.
std::int32_t QuestionCycle::drawUnaskedItem()
{
    const auto asked = std::span(state_.askedItems).first(state_.questionNumber);
    std::int32_t item = 0;
    do
        item = static_cast<std::int32_t>(random_.draw(ItemCount));
    while (std::ranges::find(asked, item) != asked.end());
    return item;
}

void QuestionCycle::recordCurrentItem()
{
    state_.askedItems[state_.questionNumber] = state_.currentItem;
    ++state_.questionNumber;
}

void QuestionCycle::showQuestionNumber()
{
    window_.setText(QuizControl::QuestionNumber, questionLabel(state_.questionNumber));
}

void QuestionCycle::setAnswersEnabled(bool enabled)
{
    window_.setEnabled(QuizControl::TypedAnswer, enabled);
    window_.setEnabled(QuizControl::PickedAnswer, enabled);
}

void QuestionCycle::clearAnswers()
{
    window_.clearChoice();
    window_.setText(QuizControl::TypedAnswer, "");
}

void QuestionCycle::showRightName()
{
    window_.setVisible(QuizControl::CorrectionPanel, true);
    window_.setText(QuizControl::RightName, std::string(SpeciesNames[state_.currentItem]));
}

// A wrong answer to questions 1 to 12 counts at once.
void QuestionCycle::markAnswerWrong()
{
    ++state_.mistakeCount;
    showRightName();
    window_.setText(QuizControl::AnswerButton, CaptionNext);
    setAnswersEnabled(false);
    window_.setText(QuizControl::MistakeCount, mistakesLine(state_.mistakeCount, state_.questionNumber));
}

// A wrong last answer is not added to the count; the texts that report it add one instead.
void QuestionCycle::markLastAnswerWrong()
{
    showRightName();
    window_.setText(QuizControl::MistakeCount, mistakesLine(state_.mistakeCount + 1, state_.questionNumber));
    window_.setText(QuizControl::AnswerButton, CaptionStartPage);
}

void QuestionCycle::finishRound(std::int32_t mistakes)
{
    showResult(mistakes);
    startNewRound();
}

} // namespace quiz
