#include "QuizHarness.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using quiz::Control;

constexpr auto neverWrong = [](int) { return false; };
constexpr auto alwaysWrong = [](int) { return true; };

bool allZero(const quiz::QuizState& state)
{
    return std::ranges::all_of(state.AskedItems, [](std::int32_t entry) { return entry == 0; });
}

void expectQuestionOneOfANewRound(const Quiz& quiz)
{
    EXPECT_EQ(quiz.state.QuestionNumber, 1);
    EXPECT_EQ(quiz.state.CurrentItem, 0);
    EXPECT_EQ(quiz.state.MistakeCount, 0);
    EXPECT_TRUE(allZero(quiz.state));
    EXPECT_EQ(quiz.window.text(Control::Label6), "1. ");
    EXPECT_EQ(quiz.window.text(Control::BitBtn1), "OK");
    EXPECT_FALSE(quiz.window.visible(Control::GroupBox3));
    EXPECT_TRUE(quiz.window.enabled(Control::ComboBox1));
    EXPECT_TRUE(quiz.window.enabled(Control::Edit1));
    EXPECT_EQ(quiz.window.text(Control::ComboBox1), "");
    EXPECT_EQ(quiz.window.text(Control::Edit1), "");
}

TEST(QuestionCycleStart, CreationPreparesQuestionOneBehindTheIntro)
{
    Quiz quiz(77);
    quiz.cycle.FormCreate();

    EXPECT_EQ(quiz.window.choices,
              std::vector<std::string>(quiz::ChoiceNames.begin(), quiz::ChoiceNames.end()));
    EXPECT_EQ(quiz.window.text(Control::ComboBox1), "");
    EXPECT_EQ(quiz.random.seed(), 77u);
    EXPECT_EQ(quiz.state.QuestionNumber, 1);
    EXPECT_EQ(quiz.state.CurrentItem, 0);
    EXPECT_EQ(quiz.state.MistakeCount, 0);
    EXPECT_TRUE(allZero(quiz.state));
    EXPECT_EQ(quiz.window.text(Control::Label6), "1. ");
    EXPECT_EQ(quiz.window.pictures[Control::Image1], "obr\\0\\0.jpg");
    EXPECT_EQ(quiz.window.pictures[Control::Image3], "obr\\2\\0.jpg");
    EXPECT_FALSE(quiz.window.visible(Control::ComboBox1));
    EXPECT_FALSE(quiz.window.visible(Control::Edit1));
    EXPECT_FALSE(quiz.window.enabled(Control::BitBtn1));

    quiz.cycle.FormActivate();
    EXPECT_FALSE(quiz.window.startPageVisible);
    EXPECT_TRUE(quiz.window.visible(Control::ComboBox1));
    EXPECT_TRUE(quiz.window.visible(Control::GroupBox1));
    EXPECT_FALSE(quiz.window.enabled(Control::BitBtn1));

    for (int tick = 0; tick < 2; ++tick) {
        quiz.cycle.Timer1Timer();
        EXPECT_FALSE(quiz.window.visible(Control::GroupBox1));
        EXPECT_TRUE(quiz.window.enabled(Control::BitBtn1));
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
                items.push_back(quiz.state.CurrentItem);
                labels.push_back(quiz.window.text(Control::Label6));
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
            quiz.cycle.FormActivate();
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
    quiz.cycle.FormActivate();
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
        while (quiz.state.QuestionNumber < lastQuestion)
            quiz.answerRight();
    };

    answerUpTo(3);
    const std::string rightName = quiz.rightName();
    quiz.answerWrong();
    EXPECT_EQ(quiz.window.text(Control::Label7), " Chyb: 1/3 ");
    EXPECT_EQ(quiz.window.text(Control::Label3), rightName);
    EXPECT_TRUE(quiz.window.visible(Control::GroupBox3));
    EXPECT_EQ(quiz.window.text(Control::BitBtn1), "NEXT");
    EXPECT_FALSE(quiz.window.enabled(Control::ComboBox1));
    EXPECT_FALSE(quiz.window.enabled(Control::Edit1));
    EXPECT_EQ(quiz.state.MistakeCount, 1);
    EXPECT_EQ(quiz.state.QuestionNumber, 3);

    quiz.cycle.BitBtn1Click(); // the wrong answer is still picked; NEXT goes on regardless
    EXPECT_EQ(quiz.state.QuestionNumber, 4);
    EXPECT_EQ(quiz.window.text(Control::BitBtn1), "OK");
    EXPECT_FALSE(quiz.window.visible(Control::GroupBox3));
    EXPECT_TRUE(quiz.window.enabled(Control::ComboBox1));
    EXPECT_EQ(quiz.window.text(Control::ComboBox1), "");

    answerUpTo(5);
    quiz.answerWrong();
    EXPECT_EQ(quiz.window.text(Control::Label7), " Chyb: 2/5 ");
    quiz.cycle.BitBtn1Click();

    answerUpTo(13);
    quiz.answerWrong();
    EXPECT_EQ(quiz.window.text(Control::Label7), " Chyb: 3/13 ");
    EXPECT_EQ(quiz.window.text(Control::BitBtn1), "Start page");
    EXPECT_EQ(quiz.state.MistakeCount, 2);
    EXPECT_EQ(quiz.window.resultScreens, 0);

    quiz.cycle.BitBtn1Click();
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
        quiz.cycle.BitBtn1Click();
        EXPECT_EQ(quiz.state.MistakeCount, 1);
        EXPECT_EQ(quiz.window.text(Control::BitBtn1), "NEXT");
    }
    Quiz quiz;
    quiz.window.beginner = false;
    quiz.start();
    quiz.window.type("Bojínek luční");
    quiz.cycle.BitBtn1Click();
    EXPECT_EQ(quiz.state.MistakeCount, 0);
    EXPECT_EQ(quiz.state.QuestionNumber, 2);
}

TEST(QuestionCycleMarking, NothingPickedIsWrong)
{
    Quiz quiz;
    quiz.start();
    quiz.cycle.BitBtn1Click();
    EXPECT_EQ(quiz.state.MistakeCount, 1);
    EXPECT_EQ(quiz.window.text(Control::Label7), " Chyb: 1/1 ");
}

// The list is alphabetical, the answer key is not: answers are matched by text.
TEST(QuestionCycleMarking, KostravaAtListPositionThreeIsRightExactlyForItemTwelve)
{
    Quiz quiz;
    quiz.start();
    int rightAnswers = 0;
    for (int asked = 0; asked < 13 && quiz.window.resultScreens == 0; ++asked) {
        const int question = quiz.state.QuestionNumber;
        const bool itemTwelve = quiz.state.CurrentItem == 12;
        quiz.window.pick(3);
        quiz.cycle.BitBtn1Click();
        if (itemTwelve) {
            ++rightAnswers;
            EXPECT_TRUE(quiz.window.resultScreens == 1
                        || quiz.state.QuestionNumber == question + 1);
        } else {
            EXPECT_NE(quiz.window.text(Control::BitBtn1), "OK") << question;
            quiz.cycle.BitBtn1Click();
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
    std::map<Control, std::string> expected;
    for (int question = 1; question <= 13; ++question) {
        const int item = quiz.state.CurrentItem;
        SCOPED_TRACE(item);
        const bool inFolder0 = item != 12;
        const bool inFolder2 = item != 4 && item != 7 && item != 10;
        if (inFolder0)
            expected[Control::Image1] = photograph(0, item);
        if (inFolder2)
            expected[Control::Image3] = photograph(2, item);
        EXPECT_EQ(quiz.window.visible(Control::Image1), inFolder0);
        EXPECT_EQ(quiz.window.visible(Control::Image3), inFolder2);
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
        EXPECT_EQ(quiz.window.log.back(), "load Image1 " + path);
        EXPECT_TRUE(quiz.window.visible(Control::Image1));
        EXPECT_FALSE(quiz.window.visible(Control::Image3));
    }

    Quiz quiz {0}; // the second question reseeds to 1 and draws item 0, then item 11
};

TEST_F(QuestionCycleFailure, InAskNextQuestionAfterTheQuestionIsCounted)
{
    quiz.start();
    quiz.window.failingPaths = {"obr\\0\\11.jpg"};
    EXPECT_THROW(quiz.answerRight(), platform::FileOpenError);
    expectEndedAtTheFailedLoad("obr\\0\\11.jpg");
    EXPECT_EQ(quiz.state.CurrentItem, 11);
    EXPECT_EQ(quiz.state.QuestionNumber, 2);
    EXPECT_EQ(quiz.state.AskedItems[1], 11);
    EXPECT_EQ(quiz.window.text(Control::Label6), "2. ");
    EXPECT_EQ(quiz.window.pictures[Control::Image1], "obr\\0\\0.jpg");
    EXPECT_EQ(quiz.window.pictures[Control::Image3], "obr\\2\\0.jpg");
}

TEST_F(QuestionCycleFailure, InStartNewRoundAfterTheResultIsShown)
{
    quiz.start();
    while (quiz.state.QuestionNumber < 13)
        quiz.answerRight();
    quiz.window.failingPaths = {"obr\\0\\0.jpg"};
    EXPECT_THROW(quiz.answerRight(), platform::FileOpenError);
    expectEndedAtTheFailedLoad("obr\\0\\0.jpg");
    EXPECT_EQ(quiz.window.resultLine, "Začátečník: Skore: 0 / 13");
    EXPECT_FALSE(quiz.window.quizWindowVisible);
    EXPECT_EQ(quiz.window.text(Control::BitBtn1), "OK");
    EXPECT_EQ(quiz.state.QuestionNumber, 0);
    EXPECT_TRUE(allZero(quiz.state));
    EXPECT_EQ(quiz.window.text(Control::Label6), "13. ");
    EXPECT_FALSE(quiz.window.enabled(Control::ComboBox1));
}

TEST_F(QuestionCycleFailure, InFormCreateAfterTheListIsFilled)
{
    quiz.window.failingPaths = {"obr\\0\\0.jpg"};
    EXPECT_THROW(quiz.cycle.FormCreate(), platform::FileOpenError);
    expectEndedAtTheFailedLoad("obr\\0\\0.jpg");
    EXPECT_EQ(quiz.window.choices.size(), 13u);
    EXPECT_EQ(quiz.state.QuestionNumber, 0);
    EXPECT_EQ(quiz.window.text(Control::Label6), "");
}

// A round whose first question was never recorded still ends: the draw must not exclude
// item 0 when it was not asked, or the last question would wait for an item forever.
TEST_F(QuestionCycleFailure, RoundWithoutARecordedFirstQuestionStillEnds)
{
    quiz.window.failingPaths = {"obr\\0\\0.jpg"};
    EXPECT_THROW(quiz.cycle.FormCreate(), platform::FileOpenError);
    quiz.window.failingPaths.clear();
    quiz.cycle.FormActivate();
    quiz.cycle.Timer1Timer();
    for (int answered = 0; answered < 14 && quiz.window.resultScreens == 0; ++answered)
        quiz.answerRight();
    EXPECT_EQ(quiz.window.resultLine, "Začátečník: Skore: 0 / 13");
    expectQuestionOneOfANewRound(quiz);
}

TEST(QuestionCycleLevel, FollowsTheRadioButtonsOnEveryActivationWithoutTouchingTheRound)
{
    Quiz quiz;
    quiz.start();
    EXPECT_FALSE(quiz.state.AdvancedMode);
    quiz.answerRight();
    quiz.answerWrong();
    const quiz::QuizState before = quiz.state;
    const std::string label = quiz.window.text(Control::Label6);

    quiz.window.beginner = false;
    quiz.window.startPageVisible = true;
    quiz.cycle.FormActivate();
    EXPECT_TRUE(quiz.state.AdvancedMode);
    EXPECT_FALSE(quiz.window.startPageVisible);
    EXPECT_TRUE(quiz.window.visible(Control::Edit1));
    EXPECT_FALSE(quiz.window.visible(Control::ComboBox1));
    EXPECT_EQ(quiz.state.QuestionNumber, before.QuestionNumber);
    EXPECT_EQ(quiz.state.CurrentItem, before.CurrentItem);
    EXPECT_EQ(quiz.state.MistakeCount, before.MistakeCount);
    EXPECT_EQ(quiz.state.AskedItems, before.AskedItems);
    EXPECT_EQ(quiz.window.text(Control::BitBtn1), "NEXT");
    EXPECT_EQ(quiz.window.text(Control::Label6), label);

    quiz.cycle.BitBtn1Click();
    quiz.playRound(neverWrong); // typed from here on
    EXPECT_EQ(quiz.window.resultLine, "Pokročilý: Skore: 1 / 13");

    quiz.window.beginner = true;
    quiz.cycle.FormActivate();
    EXPECT_FALSE(quiz.state.AdvancedMode);
    EXPECT_TRUE(quiz.window.visible(Control::ComboBox1));
    EXPECT_FALSE(quiz.window.visible(Control::Edit1));
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
