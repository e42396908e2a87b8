#include "DesktopRun.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/widgets/GroupBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using ui::quizWindow;
using ui::startPageWindow;

namespace {

using ControlsTest = DesktopRun;

TEST_F(ControlsTest, ARadioButtonTakesAClickAnywhereInItsArea)
{
    run([&] {
        ASSERT_TRUE(waitFor([] { return startPageWindow->isActiveWindow(); }));
        x.click(*startPageWindow->advanced, {110, 15}); // right of its caption, on its last row
        EXPECT_TRUE(waitFor([] { return startPageWindow->advanced->isChecked(); }));
        x.click(*startPageWindow->beginner, {111, 1});
        EXPECT_TRUE(waitFor([] { return startPageWindow->beginner->isChecked(); }));
        startPageWindow->close();
    });
}

TEST_F(ControlsTest, TheEditSelectsAllUnlessClickedAndHidesItsSelectionWithoutFocus)
{
    run([&] {
        startQuiz(true);
        ASSERT_TRUE(waitFor([] { return quizWindow->typedAnswer->hasFocus(); }));
        x.type("abc");
        ASSERT_TRUE(waitFor([] { return quizWindow->typedAnswer->text() == "abc"; }));
        x.key("Tab");
        ASSERT_TRUE(waitFor([] { return quizWindow->answerButton->hasFocus(); }));
        EXPECT_FALSE(quizWindow->typedAnswer->hasSelectedText());
        x.key("Left"); // back to the edit by an arrow key
        ASSERT_TRUE(waitFor([] { return quizWindow->typedAnswer->hasFocus(); }));
        EXPECT_EQ(quizWindow->typedAnswer->selectedText(), "abc");

        // Another window takes the focus, then gives it back.
        QWidget other;
        other.setGeometry(0, 0, 100, 100);
        other.show();
        ASSERT_TRUE(waitFor([&] { return other.isActiveWindow(); }));
        EXPECT_FALSE(quizWindow->typedAnswer->hasSelectedText());
        other.close();
        x.activate(*quizWindow);
        ASSERT_TRUE(waitFor([] { return quizWindow->isActiveWindow() && quizWindow->typedAnswer->hasFocus(); }));
        EXPECT_EQ(quizWindow->typedAnswer->selectedText(), "abc");

        x.click(*quizWindow->typedAnswer, {5, 12}); // a click places the cursor instead
        ASSERT_TRUE(waitFor([] { return !quizWindow->typedAnswer->hasSelectedText(); }));
        quizWindow->close();
    });
}

// Typed letters search the dropped list by a prefix; Backspace shortens it.
TEST_F(ControlsTest, TypingInTheDroppedListSearchesByPrefix)
{
    run([&] {
        startQuiz(false);
        ASSERT_TRUE(waitFor([] { return quizWindow->pickedAnswer->hasFocus(); }));
        x.key("alt+Down");
        ASSERT_TRUE(waitFor([] { return quizWindow->pickedAnswer->view()->isVisible(); }));
        x.type("tr");
        ASSERT_TRUE(waitFor([] { return quizWindow->pickedAnswer->view()->currentIndex().data().toString() == "Trojštět žlutavý"; }));
        x.key("BackSpace");
        x.type("o");
        EXPECT_TRUE(waitFor([] { return quizWindow->pickedAnswer->view()->currentIndex().data().toString() == "Tomka vonná"; }));
        x.key("Return"); // closes the list with the entry found, marks nothing
        ASSERT_TRUE(waitFor([] { return !quizWindow->pickedAnswer->view()->isVisible(); }));
        EXPECT_EQ(quizWindow->pickedAnswer->currentText(), "Tomka vonná");
        EXPECT_EQ(ui::quizState.questionNumber, 1);
        quizWindow->close();
    });
}

// The default button wears a dark outer frame that other buttons lack.
TEST_F(ControlsTest, TheDefaultButtonsShowTheirThickerFrame)
{
    run([&] {
        ASSERT_TRUE(waitFor([] { return startPageWindow->isActiveWindow(); }));
        const QRgb frame = startPageWindow->palette().color(QPalette::Shadow).rgb();
        const auto framed = [&](const QWidget& button, QPoint point) {
            return waitFor([&] { return pixelOnScreen(button, point) == frame; });
        };
        EXPECT_TRUE(framed(*startPageWindow->startButton, {0, 12}));
        EXPECT_TRUE(framed(*startPageWindow->startButton, {37, 0}));
        startQuiz(false);
        playToTheResultScreen();
        EXPECT_TRUE(framed(*startPageWindow->againButton, {0, 12})); // the result screen has been painted
        EXPECT_NE(pixelOnScreen(*startPageWindow->endButton, {0, 12}), frame);
        startPageWindow->close();
    });
}

} // namespace
