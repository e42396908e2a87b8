#include "DesktopRun.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/framework/Application.h"
#include "ui/widgets/GroupBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using ui::Form1;
using ui::Form2;

namespace {

using KeyboardTest = DesktopRun;

TEST_F(KeyboardTest, EnterOnTheResultScreenStartsAgainAndEnterThenPressesOk)
{
    const int status = run([&] {
        startQuiz(false);
        playToTheResultScreen();
        settle(); // the window manager's activation has arrived
        EXPECT_NE(QApplication::focusWidget(), Form2->Button2);
        x.key("Return"); // "Znovu"
        ASSERT_TRUE(waitFor([] { return Form2->GroupBox1->isVisible(); }));
        EXPECT_FALSE(ui::Application::instance().terminated());
        x.key("Return"); // "OK"
        EXPECT_TRUE(waitFor([] { return Form1->isVisible(); }));
        Form1->close();
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(KeyboardTest, EnterOnAFocusedKonecEndsTheProgram)
{
    run([&] {
        startQuiz(false);
        playToTheResultScreen();
        x.key("Tab");
        ASSERT_TRUE(waitFor([] { return QApplication::focusWidget() == Form2->Button2; }));
        x.key("Return");
        EXPECT_TRUE(waitFor([] { return ui::Application::instance().terminated(); }));
    });
    EXPECT_EQ(Form2, nullptr);
}

// Marking an answer disables the control that has the focus; no other control may take it,
// or the first space of the next answer would press the button.
TEST_F(KeyboardTest, TheNextAnswerIsTypedStraightIntoTheEditAndCountsNoMistake)
{
    run([&] {
        startQuiz(true);
        ASSERT_TRUE(waitFor([] { return Form1->Edit1->hasFocus(); }));
        x.type(rightName());
        x.key("Return");
        ASSERT_TRUE(waitFor([] { return ui::Quiz.QuestionNumber == 2; }));
        x.type(rightName());
        ASSERT_TRUE(waitFor([] { return Form1->Edit1->text() == rightName(); }));
        x.key("Return");
        EXPECT_TRUE(waitFor([] { return ui::Quiz.QuestionNumber == 3; }));
        EXPECT_EQ(ui::Quiz.MistakeCount, 0);

        // After a wrong answer no control has the focus: a space presses nothing, Enter goes on.
        x.type("x");
        x.key("Return");
        ASSERT_TRUE(waitFor([] { return ui::Quiz.MistakeCount == 1; }));
        x.key("space");
        settle();
        EXPECT_EQ(ui::Quiz.QuestionNumber, 3);
        EXPECT_EQ(Form1->BitBtn1->text(), "NEXT");
        x.key("Return");
        EXPECT_TRUE(waitFor([] { return ui::Quiz.QuestionNumber == 4 && Form1->Edit1->hasFocus(); }));
        Form1->close();
    });
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(KeyboardTest, EnterWithAModifierPressesNoButton)
{
    run([&] {
        endIntro();
        ASSERT_TRUE(waitFor([] { return Form2->RadioButton1->hasFocus(); }));
        x.key("Down");
        ASSERT_TRUE(waitFor([] { return Form2->RadioButton2->hasFocus(); }));
        x.key("Down"); // to "OK"
        ASSERT_TRUE(waitFor([] { return Form2->Button1->hasFocus(); }));
        for (const char* combination : {"shift+Return", "ctrl+Return", "alt+Return", "shift+KP_Enter"})
            x.key(combination);
        settle();
        EXPECT_FALSE(Form1->isVisible());
        x.key("KP_Enter");
        EXPECT_TRUE(waitFor([] { return Form1->isVisible(); }));

        endIntro();
        ASSERT_TRUE(waitFor([] { return Form1->isActiveWindow() && Form1->ComboBox1->hasFocus(); }));
        x.key("Tab"); // to the quiz window's "OK"
        ASSERT_TRUE(waitFor([] { return Form1->BitBtn1->hasFocus(); }));
        x.key("shift+Return");
        settle();
        EXPECT_EQ(ui::Quiz.MistakeCount, 0);
        EXPECT_EQ(Form1->BitBtn1->text(), "OK");
        Form1->close();
    });
}

} // namespace
