#include "DesktopRun.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/framework/Application.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using ui::Form1;
using ui::Form2;

namespace {

using RoundByKeyboardTest = DesktopRun;

// The whole advanced round without the mouse: the level picked with the arrow keys and Space,
// each answer typed and confirmed with Enter, and Enter on the result screen for the next round.
TEST_F(RoundByKeyboardTest, AnAdvancedRoundPlayedWithTheKeyboardAlone)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    qint64 firstTick = -1;
    run([&] {
        QObject::connect(Form1->Timer1, &QTimer::timeout, [&] {
            if (firstTick < 0)
                firstTick = sinceStart.elapsed();
        });
        ASSERT_TRUE(waitFor([] { return Form2->RadioButton1->hasFocus(); }));
        x.key("Down");
        x.key("space");
        ASSERT_TRUE(waitFor([] { return Form2->RadioButton2->isChecked(); }));
        x.key("Return");
        ASSERT_TRUE(waitFor([] { return Form1->isActiveWindow() && Form1->Edit1->hasFocus(); }));
        ASSERT_TRUE(QTest::qWaitFor([] { return Form1->BitBtn1->isEnabled(); }, 7000)); // the intro ends

        const std::vector<int> wrong = {4, 9, 13};
        for (int question = 1; question <= 13; ++question) {
            ASSERT_EQ(ui::Quiz.QuestionNumber, question);
            const bool right = std::find(wrong.begin(), wrong.end(), question) == wrong.end();
            const QString typed = right ? rightName() : QStringLiteral("Tráva");
            x.type(typed);
            ASSERT_TRUE(waitFor([&] { return Form1->Edit1->text() == typed; })) << question;
            x.key("Return");
            if (!right && question < 13) {
                ASSERT_TRUE(waitFor([] { return Form1->BitBtn1->text() == "NEXT"; }));
                x.key("Return");
            } else if (!right) {
                ASSERT_TRUE(waitFor([] { return Form1->BitBtn1->text() == "Start page"; }));
                x.key("Return");
            }
            ASSERT_TRUE(waitFor([&] { return ui::Quiz.QuestionNumber == question + 1 || Form2->isVisible(); }));
        }
        ASSERT_TRUE(waitFor([] { return Form2->isActiveWindow() && Form2->GroupBox2->isVisible(); }));
        EXPECT_EQ(Form2->Label1->text(), "Pokročilý: Skore: 3 / 13");

        x.key("Return"); // "Znovu"
        ASSERT_TRUE(waitFor([] { return Form2->GroupBox1->isVisible(); }));
        x.key("Return"); // "OK"
        ASSERT_TRUE(waitFor([] { return Form1->isActiveWindow() && Form1->Edit1->hasFocus(); }));
        EXPECT_EQ(ui::Quiz.QuestionNumber, 1);
        EXPECT_EQ(Form1->Edit1->text(), "");
        Form1->close();
    });
    EXPECT_TRUE(errorBoxes.empty());
    EXPECT_GE(firstTick, 5000);
}

} // namespace
