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

using quiz::Control;

namespace {

// Windows of the test's own, outside a run of the program: the program's references stay
// empty, so the adapter can reach only what it was given. The start page window comes after
// the adapter, as in the program.
class QuizWindowControlsTest : public ::testing::Test {
protected:
    QuizWindowControlsTest()
    {
        quizWindow.loadLayout();
        startPageWindow = std::make_unique<ui::TForm2>();
        startPageWindow->loadLayout();
        startPage = startPageWindow.get();
    }

    ui::Application application {"zorvenka"};
    ui::TForm1 quizWindow;
    ui::TForm2* startPage = nullptr;
    ui::QuizWindowControls controls {quizWindow, startPage};
    std::unique_ptr<ui::TForm2> startPageWindow;
};

TEST_F(QuizWindowControlsTest, TheStartPageIsTheOneGivenNotTheProgramsOwn)
{
    ASSERT_EQ(ui::Form2, nullptr);
    EXPECT_TRUE(controls.beginnerChecked());
    startPage->RadioButton2->setChecked(true);
    EXPECT_FALSE(controls.beginnerChecked());
    EXPECT_TRUE(controls.advancedChecked());

    controls.showResultScreen();
    controls.setResultLine("Pokročilý: Skore: 2 / 13");
    EXPECT_TRUE(startPage->isVisible());
    EXPECT_TRUE(startPage->GroupBox2->isVisibleTo(startPage));
    EXPECT_EQ(startPage->Label1->text(), "Pokročilý: Skore: 2 / 13");
    controls.hideStartPage();
    EXPECT_FALSE(startPage->isVisible());
}

// The toolkit selects the first entry added to an empty list; the answer list starts with none.
TEST_F(QuizWindowControlsTest, AddedChoicesLeaveTheAnswerListWithoutASelection)
{
    controls.appendChoice("Bojínek luční");
    controls.appendChoice("Kostřava luční");
    EXPECT_EQ(quizWindow.ComboBox1->count(), 2);
    EXPECT_EQ(controls.text(Control::ComboBox1), "");
    quizWindow.ComboBox1->setCurrentIndex(1);
    controls.appendChoice("Lipnice luční");
    EXPECT_EQ(controls.text(Control::ComboBox1), "Kostřava luční");
    controls.clearChoice();
    EXPECT_EQ(controls.text(Control::ComboBox1), "");
}

} // namespace
