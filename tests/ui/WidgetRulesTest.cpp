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

using ui::Form1;
using ui::Form2;

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
        Form1->GroupBox3->show();
        const QImage panel = picture(Form1->GroupBox3);
        const QColor highlight = Form1->GroupBox3->palette().color(QPalette::Light);
        const QColor shadow = Form1->GroupBox3->palette().color(QPalette::Dark);
        // The outlines through their corners: shadow from (0, 8), highlight from (1, 9).
        EXPECT_TRUE(pixelIs(panel, 0, 40, shadow));
        EXPECT_TRUE(pixelIs(panel, 759, 87, shadow));
        EXPECT_TRUE(pixelIs(panel, 760, 88, highlight));
        EXPECT_TRUE(pixelIs(panel, 100, 8, shadow));
        EXPECT_TRUE(pixelIs(panel, 100, 9, highlight));
        EXPECT_TRUE(pixelIs(panel, 100, 30, ui::Yellow));
        // Label7 stands on the top line and hides it behind its text.
        EXPECT_TRUE(pixelIs(panel, 10, 8, ui::Yellow));
        EXPECT_TRUE(pixelIs(panel, 10, 9, ui::Yellow));
        Form2->close();
    });
}

TEST_F(WidgetRulesTest, TheIntroPanelHidesAllButTheRightmostStrip)
{
    run([this] {
        Form1->showForm();
        const QImage withIntro = picture(Form1);
        endIntro();
        const QImage withoutIntro = picture(Form1);
        for (int x = 958; x <= 965; ++x)
            EXPECT_EQ(withIntro.pixel(x, 300), withoutIntro.pixel(x, 300)) << "column " << x;
        EXPECT_TRUE(pixelIs(withIntro, 100, 300, ui::Yellow)); // the panel over the background
        EXPECT_FALSE(pixelIs(withoutIntro, 100, 300, ui::Yellow));
        Form1->close();
    });
}

TEST_F(WidgetRulesTest, TheRightPhotographLiesOverTheLeftOne)
{
    writeFlatPhotograph(0, 0, {393, 480}, ui::Red);
    writeFlatPhotograph(2, 0, {294, 476}, ui::Navy);
    run([this] {
        endIntro();
        Form1->showForm();
        const QImage window = picture(Form1);
        EXPECT_TRUE(pixelIs(window, 500, 300, ui::Red));
        EXPECT_TRUE(pixelIs(window, 700, 300, ui::Navy)); // both boxes paint here
        Form1->close();
    });
}

TEST_F(WidgetRulesTest, TheStartPageShowsTheWedgesTopLeftBesideItsYellow)
{
    run([] {
        const QImage page = picture(Form2);
        // Window row y shows wedge row y + 20; the wedge's line falls from row 202 at its left
        // edge to row 94 at its right edge.
        EXPECT_TRUE(pixelIs(page, 400, 10, ui::Yellow));     // wedge (111, 30): above the line
        EXPECT_TRUE(pixelIs(page, 400, 170, PaleYellow));    // wedge (111, 190): below it
        EXPECT_TRUE(pixelIs(page, 300, 177, PaleYellow));    // wedge (11, 197): below it
        EXPECT_TRUE(pixelIs(page, 300, 170, ui::Yellow));    // wedge (11, 190): above it
        EXPECT_TRUE(pixelIs(page, 410, 170, ui::Yellow));    // the window's own colour
        EXPECT_TRUE(pixelIs(page, 5, 5, ui::Yellow));        // the empty detail box shows nothing
        Form2->close();
    });
}

TEST_F(WidgetRulesTest, TheResultLineIsRedOnYellowAndCutAtItsGroupsEdge)
{
    run([] {
        Form2->GroupBox1->hide();
        Form2->GroupBox2->show();
        Form2->Label1->setText("Začátečník: Skore: 0 / 13 Začátečník: Skore: 0 / 13");
        EXPECT_GT(Form2->Label1->width(), 337);
        const QImage page = picture(Form2);
        int red = 0;
        for (int x = 48; x < 361; ++x)
            red += near(page.pixelColor(x, 70), ui::Red) ? 1 : 0;
        EXPECT_GT(red, 0);
        for (int x = 361; x < 411; ++x)
            EXPECT_FALSE(near(page.pixelColor(x, 70), ui::Red)) << "column " << x;
        Form2->close();
    });
}

TEST_F(WidgetRulesTest, EnterWithTheListDroppedOnlyClosesIt)
{
    run([this] {
        endIntro();
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        Form1->ComboBox1->setFocus();
        Form1->ComboBox1->showPopup();
        QAbstractItemView* list = Form1->ComboBox1->view();
        EXPECT_EQ(list->window()->height(), 13 * 19 + 2);
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_FALSE(list->isVisible());
        EXPECT_EQ(Form1->BitBtn1->text(), "OK"); // not marked
        QTest::keyClick(Form1->ComboBox1, Qt::Key_Return);
        EXPECT_EQ(ui::Quiz.QuestionNumber, 2); // the first entry is item 0's name: right
        Form1->close();
    });
}

TEST_F(WidgetRulesTest, TypingPicksTheFirstEntryThatBeginsWithWhatWasTyped)
{
    run([this] {
        endIntro();
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        QTest::keyClicks(Form1->ComboBox1, "ps");
        EXPECT_EQ(Form1->ComboBox1->currentText().toStdString(), "Psárka luční");
        QTest::keyClicks(Form1->ComboBox1, "i");
        EXPECT_EQ(Form1->ComboBox1->currentText().toStdString(), "Psineček výběžkatý");
        QTest::qWait(550); // a pause starts a new prefix
        QTest::keyClicks(Form1->ComboBox1, "s");
        EXPECT_EQ(Form1->ComboBox1->currentText().toStdString(), "Srha říznačka");
        Form1->close();
    });
}

TEST_F(WidgetRulesTest, EnterPressesTheDefaultButtonOfTheShownGroupUnlessAButtonHasTheFocus)
{
    run([this] {
        endIntro();
        QTest::keyClick(Form2->RadioButton1, Qt::Key_Return); // "OK"
        EXPECT_TRUE(Form1->isVisible());
        while (Form1->isVisible())
            answer(true);
        QTest::keyClick(Form2->Button2, Qt::Key_Return, Qt::NoModifier);
        EXPECT_TRUE(Form2->GroupBox1->isVisible()); // "Znovu": no button had the focus
        Form2->GroupBox1->hide();
        Form2->GroupBox2->show();
        Form2->Button2->setFocus();
        QTest::keyClick(Form2->Button2, Qt::Key_Return); // "Konec" has the focus
    });
    EXPECT_EQ(Form2, nullptr);
}

TEST_F(WidgetRulesTest, OnlyTheCheckedRadioButtonIsATabStop)
{
    run([] {
        EXPECT_EQ(Form2->RadioButton1->focusPolicy(), Qt::StrongFocus);
        EXPECT_EQ(Form2->RadioButton2->focusPolicy(), Qt::ClickFocus);
        QTest::mouseClick(Form2->RadioButton2, Qt::LeftButton);
        EXPECT_FALSE(Form2->RadioButton1->isChecked());
        EXPECT_EQ(Form2->RadioButton1->focusPolicy(), Qt::ClickFocus);
        EXPECT_EQ(Form2->RadioButton2->focusPolicy(), Qt::StrongFocus);
        // The arrows move the focus in tab order, tab stop or not.
        Form2->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
        Form2->RadioButton2->setFocus();
        QTest::keyClick(Form2->RadioButton2, Qt::Key_Down);
        EXPECT_TRUE(Form2->Button1->hasFocus());
        QTest::keyClick(Form2->Button1, Qt::Key_Down);
        EXPECT_TRUE(Form2->RadioButton1->hasFocus());
        EXPECT_TRUE(Form2->RadioButton2->isChecked());
        Form2->close();
    });
}

} // namespace
