#include "QuestionCycle.h"

#include "quiz/QuizTexts.h"
#include "quiz/GrassTables.h"

#include <algorithm>
#include <span>

namespace quiz {

QuestionCycle::QuestionCycle(QuizState& state, QuizWindow& window, RandomSource& random)
    : state_(state), window_(window), random_(random)
{
}

// Handlers

void QuestionCycle::FormCreate()
{
    fillChoiceList();
    random_.reseed();
    state_.CurrentItem = 0;
    ShowItemPictures();
    recordCurrentItem();
    showQuestionNumber();
}

void QuestionCycle::FormActivate()
{
    window_.hideStartPage();
    if (window_.beginnerChecked()) {
        state_.AdvancedMode = false;
        window_.setVisible(Control::ComboBox1, true);
        window_.setVisible(Control::Edit1, false);
        return;
    }
    if (window_.advancedChecked()) {
        state_.AdvancedMode = true;
        window_.setVisible(Control::Edit1, true);
        window_.setVisible(Control::ComboBox1, false);
    }
}

void QuestionCycle::BitBtn1Click()
{
    const std::string caption = window_.text(Control::BitBtn1);
    if (caption == CaptionStartPage) {
        finishRound(state_.MistakeCount + 1);
        return;
    }
    setAnswersEnabled(false);
    // After a correction the old wrong answer is still in place; the caption says to go on.
    const bool goOn = AnswerIsRight() || caption == CaptionNext;
    if (state_.QuestionNumber == ItemCount) {
        if (goOn)
            finishRound(state_.MistakeCount);
        else
            markLastAnswerWrong();
        return;
    }
    if (goOn)
        AskNextQuestion();
    else
        markAnswerWrong();
}

void QuestionCycle::Timer1Timer()
{
    window_.setVisible(Control::GroupBox1, false);
    window_.setEnabled(Control::BitBtn1, true);
}

// Steps

// Both controls are tested at either level: the other level's control is hidden and empty.
bool QuestionCycle::AnswerIsRight() const
{
    const std::string_view rightName = SpeciesNames[state_.CurrentItem];
    return window_.text(Control::ComboBox1) == rightName
        || window_.text(Control::Edit1) == rightName;
}

// A box without a photograph of the item is only hidden; it keeps the picture it held.
void QuestionCycle::ShowItemPictures()
{
    window_.setVisible(Control::Image1, false);
    window_.setVisible(Control::Image3, false);
    if (HasPicture0[state_.CurrentItem] == 1)
        showPhotograph(Control::Image1, 0);
    if (HasPicture2[state_.CurrentItem] == 1)
        showPhotograph(Control::Image3, 2);
}

void QuestionCycle::AskNextQuestion()
{
    setAnswersEnabled(true);
    clearAnswers();
    window_.setText(Control::BitBtn1, CaptionOk);
    window_.setVisible(Control::GroupBox3, false);
    random_.reseed();
    state_.CurrentItem = drawUnaskedItem();
    recordCurrentItem();
    showQuestionNumber();
    ShowItemPictures();
}

void QuestionCycle::ShowResult(std::int32_t mistakes)
{
    window_.showResultScreen();
    window_.hideQuizWindow();
    window_.setResultLine(resultLine(state_.AdvancedMode, mistakes, state_.QuestionNumber));
}

// The level is not read here: the quiz window reads it when it is next activated.
void QuestionCycle::StartNewRound()
{
    window_.setText(Control::BitBtn1, CaptionOk);
    state_.QuestionNumber = 0;
    state_.MistakeCount = 0;
    state_.AskedItems.fill(0);
    state_.CurrentItem = 0;
    ShowItemPictures();
    recordCurrentItem();
    showQuestionNumber();
    window_.setVisible(Control::GroupBox3, false);
    clearAnswers();
    setAnswersEnabled(true);
}

// Parts of the steps

void QuestionCycle::fillChoiceList()
{
    for (std::int32_t position = 0; position <= ChoiceLast; ++position)
        window_.appendChoice(std::string(ChoiceNames[position]));
}

void QuestionCycle::showPhotograph(Control box, std::int32_t folder)
{
    window_.setVisible(box, true);
    window_.loadPicture(box, photographPath(folder, state_.CurrentItem));
}

// Draws until it meets an item not asked yet in this round. Only the questions already asked
// are searched: a round whose first question could not be recorded (a photograph that failed
// to load) does not hold item 0, and searching one entry further would then exclude every
// item at the last question and never end.
std::int32_t QuestionCycle::drawUnaskedItem()
{
    const auto asked = std::span(state_.AskedItems).first(state_.QuestionNumber);
    std::int32_t item = 0;
    do
        item = static_cast<std::int32_t>(random_.draw(ItemCount));
    while (std::ranges::find(asked, item) != asked.end());
    return item;
}

void QuestionCycle::recordCurrentItem()
{
    state_.AskedItems[state_.QuestionNumber] = state_.CurrentItem;
    ++state_.QuestionNumber;
}

void QuestionCycle::showQuestionNumber()
{
    window_.setText(Control::Label6, questionLabel(state_.QuestionNumber));
}

void QuestionCycle::setAnswersEnabled(bool enabled)
{
    window_.setEnabled(Control::Edit1, enabled);
    window_.setEnabled(Control::ComboBox1, enabled);
}

void QuestionCycle::clearAnswers()
{
    window_.clearChoice();
    window_.setText(Control::Edit1, "");
}

void QuestionCycle::showRightName()
{
    window_.setVisible(Control::GroupBox3, true);
    window_.setText(Control::Label3, std::string(SpeciesNames[state_.CurrentItem]));
}

// A wrong answer to questions 1 to 12 counts at once.
void QuestionCycle::markAnswerWrong()
{
    ++state_.MistakeCount;
    showRightName();
    window_.setText(Control::BitBtn1, CaptionNext);
    setAnswersEnabled(false);
    window_.setText(Control::Label7, mistakesLine(state_.MistakeCount, state_.QuestionNumber));
}

// A wrong last answer is not added to the count; the texts that report it add one instead.
void QuestionCycle::markLastAnswerWrong()
{
    showRightName();
    window_.setText(Control::Label7, mistakesLine(state_.MistakeCount + 1, state_.QuestionNumber));
    window_.setText(Control::BitBtn1, CaptionStartPage);
}

void QuestionCycle::finishRound(std::int32_t mistakes)
{
    ShowResult(mistakes);
    StartNewRound();
}

} // namespace quiz
