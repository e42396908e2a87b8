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

using ui::quizWindow;
using ui::startPageWindow;

namespace {

using KeyboardTest = DesktopRun;

TEST_F(KeyboardTest, EnterOnTheResultScreenStartsAgainAndEnterThenPressesOk)
{
    const int status = run([&] {
        startQuiz(false);
        playToTheResultScreen();
        settle(); // the window manager's activation has arrived
        EXPECT_NE(QApplication::focusWidget(), startPageWindow->endButton);
        x.key("Return"); // "Znovu"
        ASSERT_TRUE(waitFor([] { return startPageWindow->levelPanel->isVisible(); }));
        EXPECT_FALSE(ui::Application::instance().terminated());
        x.key("Return"); // "OK"
        EXPECT_TRUE(waitFor([] { return quizWindow->isVisible(); }));
        quizWindow->close();
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
        ASSERT_TRUE(waitFor([] { return QApplication::focusWidget() == startPageWindow->endButton; }));
        x.key("Return");
        EXPECT_TRUE(waitFor([] { return ui::Application::instance().terminated(); }));
    });
    EXPECT_EQ(startPageWindow, nullptr);
}

// Marking an answer disables the control that has the focus; no other control may take it,
// or the first space of the next answer would press the button.
TEST_F(KeyboardTest, TheNextAnswerIsTypedStraightIntoTheEditAndCountsNoMistake)
{
    run([&] {
        startQuiz(true);
        ASSERT_TRUE(waitFor([] { return quizWindow->typedAnswer->hasFocus(); }));
        x.type(rightName());
        x.key("Return");
        ASSERT_TRUE(waitFor([] { return ui::quizState.questionNumber == 2; }));
        x.type(rightName());
        ASSERT_TRUE(waitFor([] { return quizWindow->typedAnswer->text() == rightName(); }));
        x.key("Return");
        EXPECT_TRUE(waitFor([] { return ui::quizState.questionNumber == 3; }));
        EXPECT_EQ(ui::quizState.mistakeCount, 0);

        // After a wrong answer no control has the focus: a space presses nothing, Enter goes on.
        x.type("x");
        x.key("Return");
        ASSERT_TRUE(waitFor([] { return ui::quizState.mistakeCount == 1; }));
        x.key("space");
        settle();
        EXPECT_EQ(ui::quizState.questionNumber, 3);
        EXPECT_EQ(quizWindow->answerButton->text(), "NEXT");
        x.key("Return");
        EXPECT_TRUE(waitFor([] { return ui::quizState.questionNumber == 4 && quizWindow->typedAnswer->hasFocus(); }));
        quizWindow->close();
    });
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(KeyboardTest, EnterWithAModifierPressesNoButton)
{
    run([&] {
        endIntro();
        ASSERT_TRUE(waitFor([] { return startPageWindow->beginner->hasFocus(); }));
        x.key("Down");
        ASSERT_TRUE(waitFor([] { return startPageWindow->advanced->hasFocus(); }));
        x.key("Down"); // to "OK"
        ASSERT_TRUE(waitFor([] { return startPageWindow->startButton->hasFocus(); }));
        for (const char* combination : {"shift+Return", "ctrl+Return", "alt+Return", "shift+KP_Enter"})
            x.key(combination);
        settle();
        EXPECT_FALSE(quizWindow->isVisible());
        x.key("KP_Enter");
        EXPECT_TRUE(waitFor([] { return quizWindow->isVisible(); }));

        endIntro();
        ASSERT_TRUE(waitFor([] { return quizWindow->isActiveWindow() && quizWindow->pickedAnswer->hasFocus(); }));
        x.key("Tab"); // to the quiz window's "OK"
        ASSERT_TRUE(waitFor([] { return quizWindow->answerButton->hasFocus(); }));
        x.key("shift+Return");
        settle();
        EXPECT_EQ(ui::quizState.mistakeCount, 0);
        EXPECT_EQ(quizWindow->answerButton->text(), "OK");
        quizWindow->close();
    });
}

} // namespace
