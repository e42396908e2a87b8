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

using ui::quizWindow;
using ui::startPageWindow;

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
        QObject::connect(quizWindow->introTimer, &QTimer::timeout, [&] {
            if (firstTick < 0)
                firstTick = sinceStart.elapsed();
        });
        ASSERT_TRUE(waitFor([] { return startPageWindow->beginner->hasFocus(); }));
        x.key("Down");
        x.key("space");
        ASSERT_TRUE(waitFor([] { return startPageWindow->advanced->isChecked(); }));
        x.key("Return");
        ASSERT_TRUE(waitFor([] { return quizWindow->isActiveWindow() && quizWindow->typedAnswer->hasFocus(); }));
        ASSERT_TRUE(QTest::qWaitFor([] { return quizWindow->answerButton->isEnabled(); }, 7000)); // the intro ends

        const std::vector<int> wrong = {4, 9, 13};
        for (int question = 1; question <= 13; ++question) {
            ASSERT_EQ(ui::quizState.questionNumber, question);
            const bool right = std::find(wrong.begin(), wrong.end(), question) == wrong.end();
            const QString typed = right ? rightName() : QStringLiteral("Tráva");
            x.type(typed);
            ASSERT_TRUE(waitFor([&] { return quizWindow->typedAnswer->text() == typed; })) << question;
            x.key("Return");
            if (!right && question < 13) {
                ASSERT_TRUE(waitFor([] { return quizWindow->answerButton->text() == "NEXT"; }));
                x.key("Return");
            } else if (!right) {
                ASSERT_TRUE(waitFor([] { return quizWindow->answerButton->text() == "Start page"; }));
                x.key("Return");
            }
            ASSERT_TRUE(waitFor([&] { return ui::quizState.questionNumber == question + 1 || startPageWindow->isVisible(); }));
        }
        ASSERT_TRUE(waitFor([] { return startPageWindow->isActiveWindow() && startPageWindow->resultPanel->isVisible(); }));
        EXPECT_EQ(startPageWindow->resultLine->text(), "Pokročilý: Skore: 3 / 13");

        x.key("Return"); // "Znovu"
        ASSERT_TRUE(waitFor([] { return startPageWindow->levelPanel->isVisible(); }));
        x.key("Return"); // "OK"
        ASSERT_TRUE(waitFor([] { return quizWindow->isActiveWindow() && quizWindow->typedAnswer->hasFocus(); }));
        EXPECT_EQ(ui::quizState.questionNumber, 1);
        EXPECT_EQ(quizWindow->typedAnswer->text(), "");
        quizWindow->close();
    });
    EXPECT_TRUE(errorBoxes.empty());
    EXPECT_GE(firstTick, 5000);
}

} // namespace
