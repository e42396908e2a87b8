#include "QuizHarness.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using quiz::QuizControl;

constexpr auto neverWrong = [](int) { return false; };
constexpr auto alwaysWrong = [](int) { return true; };

bool allZero(const quiz::QuizState& state)
{
    return std::ranges::all_of(state.askedItems, [](std::int32_t entry) { return entry == 0; });
}

void expectQuestionOneOfANewRound(const Quiz& quiz)
{
    EXPECT_EQ(quiz.state.questionNumber, 1);
    EXPECT_EQ(quiz.state.currentItem, 0);
    EXPECT_EQ(quiz.state.mistakeCount, 0);
    EXPECT_TRUE(allZero(quiz.state));
    EXPECT_EQ(quiz.window.text(QuizControl::QuestionNumber), "1. ");
    EXPECT_EQ(quiz.window.text(QuizControl::AnswerButton), "OK");
    EXPECT_FALSE(quiz.window.visible(QuizControl::CorrectionPanel));
    EXPECT_TRUE(quiz.window.enabled(QuizControl::PickedAnswer));
    EXPECT_TRUE(quiz.window.enabled(QuizControl::TypedAnswer));
    EXPECT_EQ(quiz.window.text(QuizControl::PickedAnswer), "");
    EXPECT_EQ(quiz.window.text(QuizControl::TypedAnswer), "");
}

TEST(QuestionCycleStart, CreationPreparesQuestionOneBehindTheIntro)
{
    Quiz quiz(77);
    quiz.cycle.quizWindowCreated();

    EXPECT_EQ(quiz.window.choices,
              std::vector<std::string>(quiz::ChoiceNames.begin(), quiz::ChoiceNames.end()));
    EXPECT_EQ(quiz.window.text(QuizControl::PickedAnswer), "");
    EXPECT_EQ(quiz.random.seed(), 77u);
    EXPECT_EQ(quiz.state.questionNumber, 1);
    EXPECT_EQ(quiz.state.currentItem, 0);
    EXPECT_EQ(quiz.state.mistakeCount, 0);
    EXPECT_TRUE(allZero(quiz.state));
    EXPECT_EQ(quiz.window.text(QuizControl::QuestionNumber), "1. ");
    EXPECT_EQ(quiz.window.pictures[QuizControl::PlantPhoto], "obr\\0\\0.jpg");
    EXPECT_EQ(quiz.window.pictures[QuizControl::HeadPhoto], "obr\\2\\0.jpg");
    EXPECT_FALSE(quiz.window.visible(QuizControl::PickedAnswer));
    EXPECT_FALSE(quiz.window.visible(QuizControl::TypedAnswer));
    EXPECT_FALSE(quiz.window.enabled(QuizControl::AnswerButton));

    quiz.cycle.quizWindowActivated();
    EXPECT_FALSE(quiz.window.startPageVisible);
    EXPECT_TRUE(quiz.window.visible(QuizControl::PickedAnswer));
    EXPECT_TRUE(quiz.window.visible(QuizControl::IntroPanel));
    EXPECT_FALSE(quiz.window.enabled(QuizControl::AnswerButton));

    for (int tick = 0; tick < 2; ++tick) {
        quiz.cycle.introEnded();
        EXPECT_FALSE(quiz.window.visible(QuizControl::IntroPanel));
        EXPECT_TRUE(quiz.window.enabled(QuizControl::AnswerButton));
    }
}

TEST(QuestionCycleRound, RightAnswersAskEveryItemOnceThenShowTheResult)
{
    for (const std::uint32_t seed : {0u, 1u, 2026u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(seed);
        Quiz quiz(seed);
        quiz.start();
        for (int round = 0; round < 2; ++round) {
            std::vector<int> items;
            std::vector<std::string> labels;
            for (int question = 1; question <= 13; ++question) {
                items.push_back(quiz.state.currentItem);
                labels.push_back(quiz.window.text(QuizControl::QuestionNumber));
                EXPECT_EQ(quiz.window.resultScreens, round);
                quiz.answerRight();
            }
            EXPECT_EQ(items.front(), 0);
            EXPECT_EQ(std::set<int>(items.begin() + 1, items.end()),
                      std::set<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
            EXPECT_EQ(labels.front(), "1. ");
            EXPECT_EQ(labels.back(), "13. ");
            EXPECT_EQ(labels[6], "7. ");
            EXPECT_EQ(quiz.window.resultScreens, round + 1);
            EXPECT_EQ(quiz.window.resultLine, "Začátečník: Skore: 0 / 13");
            EXPECT_FALSE(quiz.window.quizWindowVisible);
            expectQuestionOneOfANewRound(quiz);
            quiz.cycle.quizWindowActivated();
        }
    }
}

// Each question after the first is drawn from a seed of its own, taken when it is asked; the
// new round's first question is item 0 and takes none.
TEST(QuestionCycleRound, EachQuestionIsDrawnFromAFreshSeed)
{
    Quiz quiz;
    quiz.start();
    EXPECT_EQ(quiz.seedsTaken, 1u);
    quiz.answerRight();
    EXPECT_EQ(quiz.seedsTaken, 2u);
    quiz.playRound(neverWrong);
    EXPECT_EQ(quiz.seedsTaken, 13u);
    quiz.cycle.quizWindowActivated();
    quiz.answerRight();
    EXPECT_EQ(quiz.seedsTaken, 14u);
}

TEST(QuestionCycleRound, EveryAnswerWrongScoresThirteenOfThirteen)
{
    Quiz quiz;
    quiz.start();
    quiz.playRound(alwaysWrong);
    EXPECT_EQ(quiz.window.resultLine, "Začátečník: Skore: 13 / 13");
    expectQuestionOneOfANewRound(quiz);
}

TEST(QuestionCycleRound, WrongAnswersShowTheCorrectionAndTheMistakesLine)
{
    Quiz quiz;
    quiz.start();
    const auto answerUpTo = [&quiz](int lastQuestion) {
        while (quiz.state.questionNumber < lastQuestion)
            quiz.answerRight();
    };

    answerUpTo(3);
    const std::string rightName = quiz.rightName();
    quiz.answerWrong();
    EXPECT_EQ(quiz.window.text(QuizControl::MistakeCount), " Chyb: 1/3 ");
    EXPECT_EQ(quiz.window.text(QuizControl::RightName), rightName);
    EXPECT_TRUE(quiz.window.visible(QuizControl::CorrectionPanel));
    EXPECT_EQ(quiz.window.text(QuizControl::AnswerButton), "NEXT");
    EXPECT_FALSE(quiz.window.enabled(QuizControl::PickedAnswer));
    EXPECT_FALSE(quiz.window.enabled(QuizControl::TypedAnswer));
    EXPECT_EQ(quiz.state.mistakeCount, 1);
    EXPECT_EQ(quiz.state.questionNumber, 3);

    quiz.cycle.answerOrGoOn(); // the wrong answer is still picked; NEXT goes on regardless
    EXPECT_EQ(quiz.state.questionNumber, 4);
    EXPECT_EQ(quiz.window.text(QuizControl::AnswerButton), "OK");
    EXPECT_FALSE(quiz.window.visible(QuizControl::CorrectionPanel));
    EXPECT_TRUE(quiz.window.enabled(QuizControl::PickedAnswer));
    EXPECT_EQ(quiz.window.text(QuizControl::PickedAnswer), "");

    answerUpTo(5);
    quiz.answerWrong();
    EXPECT_EQ(quiz.window.text(QuizControl::MistakeCount), " Chyb: 2/5 ");
    quiz.cycle.answerOrGoOn();

    answerUpTo(13);
    quiz.answerWrong();
    EXPECT_EQ(quiz.window.text(QuizControl::MistakeCount), " Chyb: 3/13 ");
    EXPECT_EQ(quiz.window.text(QuizControl::AnswerButton), "Start page");
    EXPECT_EQ(quiz.state.mistakeCount, 2);
    EXPECT_EQ(quiz.window.resultScreens, 0);

    quiz.cycle.answerOrGoOn();
    EXPECT_EQ(quiz.window.resultLine, "Začátečník: Skore: 3 / 13");
    expectQuestionOneOfANewRound(quiz);
}

TEST(QuestionCycleMarking, TypedNearMissesAndEmptyAnswersAreWrong)
{
    for (const std::string typed : {"bojínek luční", "BOJÍNEK LUČNÍ", "Bojinek luční",
                                    "Bojínek lucni", " Bojínek luční", "Bojínek luční ",
                                    "Bojínek  luční", ""}) {
        SCOPED_TRACE(typed);
        Quiz quiz;
        quiz.window.beginner = false;
        quiz.start();
        quiz.window.type(typed);
        quiz.cycle.answerOrGoOn();
        EXPECT_EQ(quiz.state.mistakeCount, 1);
        EXPECT_EQ(quiz.window.text(QuizControl::AnswerButton), "NEXT");
    }
    Quiz quiz;
    quiz.window.beginner = false;
    quiz.start();
    quiz.window.type("Bojínek luční");
    quiz.cycle.answerOrGoOn();
    EXPECT_EQ(quiz.state.mistakeCount, 0);
    EXPECT_EQ(quiz.state.questionNumber, 2);
}

TEST(QuestionCycleMarking, NothingPickedIsWrong)
{
    Quiz quiz;
    quiz.start();
    quiz.cycle.answerOrGoOn();
    EXPECT_EQ(quiz.state.mistakeCount, 1);
    EXPECT_EQ(quiz.window.text(QuizControl::MistakeCount), " Chyb: 1/1 ");
}

// The list is alphabetical, the answer key is not: answers are matched by text.
TEST(QuestionCycleMarking, KostravaAtListPositionThreeIsRightExactlyForItemTwelve)
{
    Quiz quiz;
    quiz.start();
    int rightAnswers = 0;
    for (int asked = 0; asked < 13 && quiz.window.resultScreens == 0; ++asked) {
        const int question = quiz.state.questionNumber;
        const bool itemTwelve = quiz.state.currentItem == 12;
        quiz.window.pick(3);
        quiz.cycle.answerOrGoOn();
        if (itemTwelve) {
            ++rightAnswers;
            EXPECT_TRUE(quiz.window.resultScreens == 1
                        || quiz.state.questionNumber == question + 1);
        } else {
            EXPECT_NE(quiz.window.text(QuizControl::AnswerButton), "OK") << question;
            quiz.cycle.answerOrGoOn();
        }
    }
    EXPECT_EQ(rightAnswers, 1);
    EXPECT_EQ(quiz.window.resultLine, "Začátečník: Skore: 12 / 13");
}

TEST(QuestionCyclePictures, BoxesShowTheItemsPhotographsAndAHiddenBoxKeepsItsPicture)
{
    const auto photograph = [](int folder, int item) {
        return "obr\\" + std::to_string(folder) + "\\" + std::to_string(item) + ".jpg";
    };
    Quiz quiz;
    quiz.start();
    std::map<QuizControl, std::string> expected;
    for (int question = 1; question <= 13; ++question) {
        const int item = quiz.state.currentItem;
        SCOPED_TRACE(item);
        const bool inFolder0 = item != 12;
        const bool inFolder2 = item != 4 && item != 7 && item != 10;
        if (inFolder0)
            expected[QuizControl::PlantPhoto] = photograph(0, item);
        if (inFolder2)
            expected[QuizControl::HeadPhoto] = photograph(2, item);
        EXPECT_EQ(quiz.window.visible(QuizControl::PlantPhoto), inFolder0);
        EXPECT_EQ(quiz.window.visible(QuizControl::HeadPhoto), inFolder2);
        EXPECT_EQ(quiz.window.pictures, expected);
        quiz.answerRight();
    }
    const auto loads = std::ranges::count_if(
        quiz.window.log, [](const std::string& call) { return call.starts_with("load"); });
    // A round's twelve and ten photographs, then item 0's two for the next round.
    EXPECT_EQ(loads, 22 + 2);
}

// A load that fails ends the handler: the steps before it stay done, none after it is done.
class QuestionCycleFailure : public ::testing::Test {
protected:
    void expectEndedAtTheFailedLoad(const std::string& path)
    {
        ASSERT_FALSE(quiz.window.log.empty());
        EXPECT_EQ(quiz.window.log.back(), "load PlantPhoto " + path);
        EXPECT_TRUE(quiz.window.visible(QuizControl::PlantPhoto));
        EXPECT_FALSE(quiz.window.visible(QuizControl::HeadPhoto));
    }

    Quiz quiz {0}; // the second question reseeds to 1 and draws item 0, then item 11
};

TEST_F(QuestionCycleFailure, InAskNextQuestionAfterTheQuestionIsCounted)
{
    quiz.start();
    quiz.window.failingPaths = {"obr\\0\\11.jpg"};
    EXPECT_THROW(quiz.answerRight(), platform::FileOpenError);
    expectEndedAtTheFailedLoad("obr\\0\\11.jpg");
    EXPECT_EQ(quiz.state.currentItem, 11);
    EXPECT_EQ(quiz.state.questionNumber, 2);
    EXPECT_EQ(quiz.state.askedItems[1], 11);
    EXPECT_EQ(quiz.window.text(QuizControl::QuestionNumber), "2. ");
    EXPECT_EQ(quiz.window.pictures[QuizControl::PlantPhoto], "obr\\0\\0.jpg");
    EXPECT_EQ(quiz.window.pictures[QuizControl::HeadPhoto], "obr\\2\\0.jpg");
}

TEST_F(QuestionCycleFailure, InStartNewRoundAfterTheResultIsShown)
{
    quiz.start();
    while (quiz.state.questionNumber < 13)
        quiz.answerRight();
    quiz.window.failingPaths = {"obr\\0\\0.jpg"};
    EXPECT_THROW(quiz.answerRight(), platform::FileOpenError);
    expectEndedAtTheFailedLoad("obr\\0\\0.jpg");
    EXPECT_EQ(quiz.window.resultLine, "Začátečník: Skore: 0 / 13");
    EXPECT_FALSE(quiz.window.quizWindowVisible);
    EXPECT_EQ(quiz.window.text(QuizControl::AnswerButton), "OK");
    EXPECT_EQ(quiz.state.questionNumber, 0);
    EXPECT_TRUE(allZero(quiz.state));
    EXPECT_EQ(quiz.window.text(QuizControl::QuestionNumber), "13. ");
    EXPECT_FALSE(quiz.window.enabled(QuizControl::PickedAnswer));
}

TEST_F(QuestionCycleFailure, InQuizWindowCreatedAfterTheListIsFilled)
{
    quiz.window.failingPaths = {"obr\\0\\0.jpg"};
    EXPECT_THROW(quiz.cycle.quizWindowCreated(), platform::FileOpenError);
    expectEndedAtTheFailedLoad("obr\\0\\0.jpg");
    EXPECT_EQ(quiz.window.choices.size(), 13u);
    EXPECT_EQ(quiz.state.questionNumber, 0);
    EXPECT_EQ(quiz.window.text(QuizControl::QuestionNumber), "");
}

// A round whose first question was never recorded still ends: the draw must not exclude
// item 0 when it was not asked, or the last question would wait for an item forever.
TEST_F(QuestionCycleFailure, RoundWithoutARecordedFirstQuestionStillEnds)
{
    quiz.window.failingPaths = {"obr\\0\\0.jpg"};
    EXPECT_THROW(quiz.cycle.quizWindowCreated(), platform::FileOpenError);
    quiz.window.failingPaths.clear();
    quiz.cycle.quizWindowActivated();
    quiz.cycle.introEnded();
    for (int answered = 0; answered < 14 && quiz.window.resultScreens == 0; ++answered)
        quiz.answerRight();
    EXPECT_EQ(quiz.window.resultLine, "Začátečník: Skore: 0 / 13");
    expectQuestionOneOfANewRound(quiz);
}

TEST(QuestionCycleLevel, FollowsTheRadioButtonsOnEveryActivationWithoutTouchingTheRound)
{
    Quiz quiz;
    quiz.start();
    EXPECT_FALSE(quiz.state.advancedMode);
    quiz.answerRight();
    quiz.answerWrong();
    const quiz::QuizState before = quiz.state;
    const std::string label = quiz.window.text(QuizControl::QuestionNumber);

    quiz.window.beginner = false;
    quiz.window.startPageVisible = true;
    quiz.cycle.quizWindowActivated();
    EXPECT_TRUE(quiz.state.advancedMode);
    EXPECT_FALSE(quiz.window.startPageVisible);
    EXPECT_TRUE(quiz.window.visible(QuizControl::TypedAnswer));
    EXPECT_FALSE(quiz.window.visible(QuizControl::PickedAnswer));
    EXPECT_EQ(quiz.state.questionNumber, before.questionNumber);
    EXPECT_EQ(quiz.state.currentItem, before.currentItem);
    EXPECT_EQ(quiz.state.mistakeCount, before.mistakeCount);
    EXPECT_EQ(quiz.state.askedItems, before.askedItems);
    EXPECT_EQ(quiz.window.text(QuizControl::AnswerButton), "NEXT");
    EXPECT_EQ(quiz.window.text(QuizControl::QuestionNumber), label);

    quiz.cycle.answerOrGoOn();
    quiz.playRound(neverWrong); // typed from here on
    EXPECT_EQ(quiz.window.resultLine, "Pokročilý: Skore: 1 / 13");

    quiz.window.beginner = true;
    quiz.cycle.quizWindowActivated();
    EXPECT_FALSE(quiz.state.advancedMode);
    EXPECT_TRUE(quiz.window.visible(QuizControl::PickedAnswer));
    EXPECT_FALSE(quiz.window.visible(QuizControl::TypedAnswer));
}

TEST(QuestionCycleLevel, OnlyTheResultLineDependsOnTheLevel)
{
    const auto playedRound = [](bool beginner) {
        Quiz quiz;
        quiz.window.beginner = beginner;
        quiz.start();
        quiz.window.log.clear();
        quiz.playRound([](int question) { return question == 2 || question == 13; });
        return quiz.window.log;
    };
    std::vector<std::string> beginnerRound = playedRound(true);
    const std::vector<std::string> advancedRound = playedRound(false);
    const auto resultLine =
        std::ranges::find(beginnerRound, "result line Začátečník: Skore: 2 / 13");
    ASSERT_NE(resultLine, beginnerRound.end());
    *resultLine = "result line Pokročilý: Skore: 2 / 13";
    EXPECT_EQ(beginnerRound, advancedRound);
}

} // namespace
