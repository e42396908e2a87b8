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

using ui::Form1;
using ui::Form2;

namespace {

using ControlsTest = DesktopRun;

TEST_F(ControlsTest, ARadioButtonTakesAClickAnywhereInItsArea)
{
    run([&] {
        ASSERT_TRUE(waitFor([] { return Form2->isActiveWindow(); }));
        x.click(*Form2->RadioButton2, {110, 15}); // right of its caption, on its last row
        EXPECT_TRUE(waitFor([] { return Form2->RadioButton2->isChecked(); }));
        x.click(*Form2->RadioButton1, {111, 1});
        EXPECT_TRUE(waitFor([] { return Form2->RadioButton1->isChecked(); }));
        Form2->close();
    });
}

TEST_F(ControlsTest, TheEditSelectsAllUnlessClickedAndHidesItsSelectionWithoutFocus)
{
    run([&] {
        startQuiz(true);
        ASSERT_TRUE(waitFor([] { return Form1->Edit1->hasFocus(); }));
        x.type("abc");
        ASSERT_TRUE(waitFor([] { return Form1->Edit1->text() == "abc"; }));
        x.key("Tab");
        ASSERT_TRUE(waitFor([] { return Form1->BitBtn1->hasFocus(); }));
        EXPECT_FALSE(Form1->Edit1->hasSelectedText());
        x.key("Left"); // back to the edit by an arrow key
        ASSERT_TRUE(waitFor([] { return Form1->Edit1->hasFocus(); }));
        EXPECT_EQ(Form1->Edit1->selectedText(), "abc");

        // Another window takes the focus, then gives it back.
        QWidget other;
        other.setGeometry(0, 0, 100, 100);
        other.show();
        ASSERT_TRUE(waitFor([&] { return other.isActiveWindow(); }));
        EXPECT_FALSE(Form1->Edit1->hasSelectedText());
        other.close();
        x.activate(*Form1);
        ASSERT_TRUE(waitFor([] { return Form1->isActiveWindow() && Form1->Edit1->hasFocus(); }));
        EXPECT_EQ(Form1->Edit1->selectedText(), "abc");

        x.click(*Form1->Edit1, {5, 12}); // a click places the cursor instead
        ASSERT_TRUE(waitFor([] { return !Form1->Edit1->hasSelectedText(); }));
        Form1->close();
    });
}

// Typed letters search the dropped list by a prefix; Backspace shortens it.
TEST_F(ControlsTest, TypingInTheDroppedListSearchesByPrefix)
{
    run([&] {
        startQuiz(false);
        ASSERT_TRUE(waitFor([] { return Form1->ComboBox1->hasFocus(); }));
        x.key("alt+Down");
        ASSERT_TRUE(waitFor([] { return Form1->ComboBox1->view()->isVisible(); }));
        x.type("tr");
        ASSERT_TRUE(waitFor([] { return Form1->ComboBox1->view()->currentIndex().data().toString() == "Trojštět žlutavý"; }));
        x.key("BackSpace");
        x.type("o");
        EXPECT_TRUE(waitFor([] { return Form1->ComboBox1->view()->currentIndex().data().toString() == "Tomka vonná"; }));
        x.key("Return"); // closes the list with the entry found, marks nothing
        ASSERT_TRUE(waitFor([] { return !Form1->ComboBox1->view()->isVisible(); }));
        EXPECT_EQ(Form1->ComboBox1->currentText(), "Tomka vonná");
        EXPECT_EQ(ui::Quiz.QuestionNumber, 1);
        Form1->close();
    });
}

// The default button wears a dark outer frame that other buttons lack.
TEST_F(ControlsTest, TheDefaultButtonsShowTheirThickerFrame)
{
    run([&] {
        ASSERT_TRUE(waitFor([] { return Form2->isActiveWindow(); }));
        const QRgb frame = Form2->palette().color(QPalette::Shadow).rgb();
        const auto framed = [&](const QWidget& button, QPoint point) {
            return waitFor([&] { return pixelOnScreen(button, point) == frame; });
        };
        EXPECT_TRUE(framed(*Form2->Button1, {0, 12}));
        EXPECT_TRUE(framed(*Form2->Button1, {37, 0}));
        startQuiz(false);
        playToTheResultScreen();
        EXPECT_TRUE(framed(*Form2->Button3, {0, 12})); // the result screen has been painted
        EXPECT_NE(pixelOnScreen(*Form2->Button2, {0, 12}), frame);
        Form2->close();
    });
}

} // namespace
