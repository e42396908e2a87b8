#include "ui/QuizViewAdapter.h"
#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/framework/Application.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"

#include <QComboBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

using quiz::QuizControl;

namespace {

// Windows of the test's own, outside a run of the program: the program's references stay
// empty, so the adapter can reach only what it was given. The start page window comes after
// the adapter, as in the program.
class QuizViewAdapterTest : public ::testing::Test {
protected:
    QuizViewAdapterTest()
    {
        quizWindow.loadLayout();
        startPageWindow = std::make_unique<ui::StartPageWindow>();
        startPageWindow->loadLayout();
        startPage = startPageWindow.get();
    }

    ui::Application application {"zorvenka"};
    ui::QuizWindow quizWindow;
    ui::StartPageWindow* startPage = nullptr;
    ui::QuizViewAdapter controls {quizWindow, startPage};
    std::unique_ptr<ui::StartPageWindow> startPageWindow;
};

TEST_F(QuizViewAdapterTest, TheStartPageIsTheOneGivenNotTheProgramsOwn)
{
    ASSERT_EQ(ui::startPageWindow, nullptr);
    EXPECT_TRUE(controls.beginnerChecked());
    startPage->advanced->setChecked(true);
    EXPECT_FALSE(controls.beginnerChecked());
    EXPECT_TRUE(controls.advancedChecked());

    controls.showResultScreen();
    controls.setResultLine("Pokročilý: Skore: 2 / 13");
    EXPECT_TRUE(startPage->isVisible());
    EXPECT_TRUE(startPage->resultPanel->isVisibleTo(startPage));
    EXPECT_EQ(startPage->resultLine->text(), "Pokročilý: Skore: 2 / 13");
    controls.hideStartPage();
    EXPECT_FALSE(startPage->isVisible());
}

// The toolkit selects the first entry added to an empty list; the answer list starts with none.
TEST_F(QuizViewAdapterTest, AddedChoicesLeaveTheAnswerListWithoutASelection)
{
    controls.appendChoice("Bojínek luční");
    controls.appendChoice("Kostřava luční");
    EXPECT_EQ(quizWindow.pickedAnswer->count(), 2);
    EXPECT_EQ(controls.text(QuizControl::PickedAnswer), "");
    quizWindow.pickedAnswer->setCurrentIndex(1);
    controls.appendChoice("Lipnice luční");
    EXPECT_EQ(controls.text(QuizControl::PickedAnswer), "Kostřava luční");
    controls.clearChoice();
    EXPECT_EQ(controls.text(QuizControl::PickedAnswer), "");
}

} // namespace
