#include "ProgramRun.h"
#include "tests/LayoutPixels.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"

#include "pictures/PictureBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>

using ui::quizWindow;
using ui::startPageWindow;

namespace {

using WidgetRulesTest = ProgramRun;

const QColor PaleYellow(255, 255, 128);

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3
        && std::abs(a.blue() - b.blue()) <= 3;
}

::testing::AssertionResult pixelIs(const QImage& image, int x, int y, QColor expected)
{
    const QColor actual = image.pixelColor(x, y);
    if (near(actual, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << actual.name().toStdString()
                                         << ", expected " << expected.name().toStdString();
}

QImage picture(QWidget* widget)
{
    return layoutPixels(*widget);
}

TEST_F(WidgetRulesTest, TheCorrectionPanelsFrameRunsBehindTheMistakesLine)
{
    run([] {
        quizWindow->correctionPanel->show();
        const QImage panel = picture(quizWindow->correctionPanel);
        const QColor highlight = quizWindow->correctionPanel->palette().color(QPalette::Light);
        const QColor shadow = quizWindow->correctionPanel->palette().color(QPalette::Dark);
        // The outlines through their corners: shadow from (0, 8), highlight from (1, 9).
        EXPECT_TRUE(pixelIs(panel, 0, 40, shadow));
        EXPECT_TRUE(pixelIs(panel, 759, 87, shadow));
        EXPECT_TRUE(pixelIs(panel, 760, 88, highlight));
        EXPECT_TRUE(pixelIs(panel, 100, 8, shadow));
        EXPECT_TRUE(pixelIs(panel, 100, 9, highlight));
        EXPECT_TRUE(pixelIs(panel, 100, 30, ui::Yellow));
        // The mistakes line stands on the top line and hides it behind its text.
        EXPECT_TRUE(pixelIs(panel, 10, 8, ui::Yellow));
        EXPECT_TRUE(pixelIs(panel, 10, 9, ui::Yellow));
        startPageWindow->close();
    });
}

TEST_F(WidgetRulesTest, TheIntroPanelHidesAllButTheRightmostStrip)
{
    run([this] {
        quizWindow->showWindow();
        const QImage withIntro = picture(quizWindow);
        endIntro();
        const QImage withoutIntro = picture(quizWindow);
        for (int x = 958; x <= 965; ++x)
            EXPECT_EQ(withIntro.pixel(x, 300), withoutIntro.pixel(x, 300)) << "column " << x;
        EXPECT_TRUE(pixelIs(withIntro, 100, 300, ui::Yellow)); // the panel over the background
        EXPECT_FALSE(pixelIs(withoutIntro, 100, 300, ui::Yellow));
        quizWindow->close();
    });
}

TEST_F(WidgetRulesTest, TheRightPhotographLiesOverTheLeftOne)
{
    writeFlatPhotograph(0, 0, {393, 480}, ui::Red);
    writeFlatPhotograph(2, 0, {294, 476}, ui::Navy);
    run([this] {
        endIntro();
        quizWindow->showWindow();
        const QImage window = picture(quizWindow);
        EXPECT_TRUE(pixelIs(window, 500, 300, ui::Red));
        EXPECT_TRUE(pixelIs(window, 700, 300, ui::Navy)); // both boxes paint here
        quizWindow->close();
    });
}

TEST_F(WidgetRulesTest, TheStartPageShowsTheWedgesTopLeftBesideItsYellow)
{
    run([] {
        const QImage page = picture(startPageWindow);
        // Window row y shows wedge row y + 20; the wedge's line falls from row 202 at its left
        // edge to row 94 at its right edge.
        EXPECT_TRUE(pixelIs(page, 400, 10, ui::Yellow));     // wedge (111, 30): above the line
        EXPECT_TRUE(pixelIs(page, 400, 170, PaleYellow));    // wedge (111, 190): below it
        EXPECT_TRUE(pixelIs(page, 300, 177, PaleYellow));    // wedge (11, 197): below it
        EXPECT_TRUE(pixelIs(page, 300, 170, ui::Yellow));    // wedge (11, 190): above it
        EXPECT_TRUE(pixelIs(page, 410, 170, ui::Yellow));    // the window's own colour
        EXPECT_TRUE(pixelIs(page, 5, 5, ui::Yellow));        // the empty detail box shows nothing
        startPageWindow->close();
    });
}

TEST_F(WidgetRulesTest, TheResultLineIsRedOnYellowAndCutAtItsGroupsEdge)
{
    run([] {
        startPageWindow->levelPanel->hide();
        startPageWindow->resultPanel->show();
        startPageWindow->resultLine->setText("Začátečník: Skore: 0 / 13 Začátečník: Skore: 0 / 13");
        EXPECT_GT(startPageWindow->resultLine->width(), 337);
        const QImage page = picture(startPageWindow);
        int red = 0;
        for (int x = 48; x < 361; ++x)
            red += near(page.pixelColor(x, 70), ui::Red) ? 1 : 0;
        EXPECT_GT(red, 0);
        for (int x = 361; x < 411; ++x)
            EXPECT_FALSE(near(page.pixelColor(x, 70), ui::Red)) << "column " << x;
        startPageWindow->close();
    });
}

TEST_F(WidgetRulesTest, EnterWithTheListDroppedOnlyClosesIt)
{
    run([this] {
        endIntro();
        QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
        quizWindow->pickedAnswer->setFocus();
        quizWindow->pickedAnswer->showPopup();
        QAbstractItemView* list = quizWindow->pickedAnswer->view();
        EXPECT_EQ(list->window()->height(), 13 * 19 + 2);
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_FALSE(list->isVisible());
        EXPECT_EQ(quizWindow->answerButton->text(), "OK"); // not marked
        QTest::keyClick(quizWindow->pickedAnswer, Qt::Key_Return);
        EXPECT_EQ(ui::quizState.questionNumber, 2); // the first entry is item 0's name: right
        quizWindow->close();
    });
}

TEST_F(WidgetRulesTest, TypingPicksTheFirstEntryThatBeginsWithWhatWasTyped)
{
    run([this] {
        endIntro();
        QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
        QTest::keyClicks(quizWindow->pickedAnswer, "ps");
        EXPECT_EQ(quizWindow->pickedAnswer->currentText().toStdString(), "Psárka luční");
        QTest::keyClicks(quizWindow->pickedAnswer, "i");
        EXPECT_EQ(quizWindow->pickedAnswer->currentText().toStdString(), "Psineček výběžkatý");
        QTest::qWait(550); // a pause starts a new prefix
        QTest::keyClicks(quizWindow->pickedAnswer, "s");
        EXPECT_EQ(quizWindow->pickedAnswer->currentText().toStdString(), "Srha říznačka");
        quizWindow->close();
    });
}

TEST_F(WidgetRulesTest, EnterPressesTheDefaultButtonOfTheShownGroupUnlessAButtonHasTheFocus)
{
    run([this] {
        endIntro();
        QTest::keyClick(startPageWindow->beginner, Qt::Key_Return); // "OK"
        EXPECT_TRUE(quizWindow->isVisible());
        while (quizWindow->isVisible())
            answer(true);
        QTest::keyClick(startPageWindow->endButton, Qt::Key_Return, Qt::NoModifier);
        EXPECT_TRUE(startPageWindow->levelPanel->isVisible()); // "Znovu": no button had the focus
        startPageWindow->levelPanel->hide();
        startPageWindow->resultPanel->show();
        startPageWindow->endButton->setFocus();
        QTest::keyClick(startPageWindow->endButton, Qt::Key_Return); // "Konec" has the focus
    });
    EXPECT_EQ(startPageWindow, nullptr);
}

TEST_F(WidgetRulesTest, OnlyTheCheckedRadioButtonIsATabStop)
{
    run([] {
        EXPECT_EQ(startPageWindow->beginner->focusPolicy(), Qt::StrongFocus);
        EXPECT_EQ(startPageWindow->advanced->focusPolicy(), Qt::ClickFocus);
        QTest::mouseClick(startPageWindow->advanced, Qt::LeftButton);
        EXPECT_FALSE(startPageWindow->beginner->isChecked());
        EXPECT_EQ(startPageWindow->beginner->focusPolicy(), Qt::ClickFocus);
        EXPECT_EQ(startPageWindow->advanced->focusPolicy(), Qt::StrongFocus);
        // The arrows move the focus in tab order, tab stop or not.
        startPageWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(startPageWindow));
        startPageWindow->advanced->setFocus();
        QTest::keyClick(startPageWindow->advanced, Qt::Key_Down);
        EXPECT_TRUE(startPageWindow->startButton->hasFocus());
        QTest::keyClick(startPageWindow->startButton, Qt::Key_Down);
        EXPECT_TRUE(startPageWindow->beginner->hasFocus());
        EXPECT_TRUE(startPageWindow->advanced->isChecked());
        startPageWindow->close();
    });
}

} // namespace
