#include "ProgramRun.h"
#include "tests/support/TestSystem.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/framework/Application.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"

#include "pictures/JpegGraphic.h"
#include "pictures/PictureBox.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using ui::Form1;
using ui::Form2;

namespace {

using FlowTest = ProgramRun;

void playRoundRight(ProgramRun& run);

const pictures::BitmapGraphic* decodedPhotograph(const pictures::PictureBox& box)
{
    return dynamic_cast<const pictures::JpegGraphic&>(*box.picture().graphic()).decoded();
}

TEST_F(FlowTest, StartsOnTheLevelChoiceAloneCentredAndEndsWhenItIsClosed)
{
    bool checked = false;
    const int status = run([&] {
        checked = true;
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_FALSE(Form1->isVisible());
        EXPECT_EQ(Form2->caption(), "Start page");
        EXPECT_TRUE(Form2->RadioButton1->isChecked());
        EXPECT_TRUE(Form2->GroupBox1->isVisible());
        EXPECT_FALSE(Form2->GroupBox2->isVisible());
        EXPECT_EQ(Form2->size(), QSize(411, 178));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(Form2->frameGeometry().left(), (screen.width() - Form2->outerWidth()) / 2);
        EXPECT_EQ(Form2->frameGeometry().top(), (screen.height() - Form2->outerHeight()) / 2);
        EXPECT_EQ(ui::Application::instance().activeForm(), Form2);
        Form2->close();
    });
    EXPECT_TRUE(checked);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(Form2, nullptr);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(FlowTest, OkWithinFiveSecondsShowsTheIntroPanelUntilTheFirstTick)
{
    run([&] {
        QTest::keyClick(Form2->RadioButton1, Qt::Key_Return);
        EXPECT_TRUE(Form1->isVisible());
        EXPECT_FALSE(Form2->isVisible());
        EXPECT_EQ(ui::Application::instance().activeForm(), Form1);
        EXPECT_TRUE(Form1->GroupBox1->isVisible());
        EXPECT_FALSE(Form1->BitBtn1->isEnabled());
        EXPECT_TRUE(Form1->ComboBox1->isVisible());
        EXPECT_FALSE(Form1->Edit1->isVisible());
        pressEnter(); // the button is still disabled: nothing happens
        EXPECT_EQ(ui::Quiz.QuestionNumber, 1);
        EXPECT_EQ(ui::Quiz.MistakeCount, 0);
        endIntro();
        EXPECT_FALSE(Form1->GroupBox1->isVisible());
        EXPECT_TRUE(Form1->BitBtn1->isEnabled());
        Form1->close();
    });
    EXPECT_EQ(Form1, nullptr);
}

TEST_F(FlowTest, ARoundPlayedByKeyboardEndsOnTheResultScreen)
{
    run([&] {
        endIntro();
        QTest::keyClick(Form2->Button1, Qt::Key_Return);
        playRoundRight(*this);
        EXPECT_FALSE(Form1->isVisible());
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_EQ(Form2->caption(), "Start page");
        EXPECT_EQ(Form2->outerWidth(), 392);
        EXPECT_EQ(Form2->outerHeight(), 183);
        EXPECT_TRUE(Form2->GroupBox2->isVisible());
        EXPECT_FALSE(Form2->GroupBox1->isVisible());
        EXPECT_FALSE(Form2->Image1->isVisible());
        EXPECT_EQ(Form2->Image1->size(), QSize(0, 0));
        EXPECT_EQ(Form2->Label1->text(), "Začátečník: Skore: 0 / 13");
        EXPECT_EQ(ui::Quiz.QuestionNumber, 1);
        QTest::mouseClick(Form2->Button2, Qt::LeftButton); // "Konec"
    });
    EXPECT_EQ(Form2, nullptr);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(FlowTest, AgainThenOkPlaysTheNextRoundAtTheLevelChosenThen)
{
    run([&] {
        endIntro();
        QTest::keyClick(Form2->Button1, Qt::Key_Return);
        answer(false);
        answer(false); // NEXT after the correction
        playRoundRight(*this);
        EXPECT_EQ(Form2->Label1->text(), "Začátečník: Skore: 1 / 13");

        QTest::keyClick(Form2->Button3, Qt::Key_Return); // "Znovu" is the default button
        EXPECT_TRUE(Form2->GroupBox1->isVisible());
        EXPECT_FALSE(Form2->GroupBox2->isVisible());
        EXPECT_EQ(Form2->outerWidth(), 392);
        QTest::mouseClick(Form2->RadioButton2, Qt::LeftButton);
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        EXPECT_TRUE(Form1->Edit1->isVisible());
        EXPECT_FALSE(Form1->ComboBox1->isVisible());
        EXPECT_EQ(Form1->Label6->text(), "1. ");
        playRoundRight(*this);
        EXPECT_EQ(Form2->Label1->text(), "Pokročilý: Skore: 0 / 13");
        Form2->close();
    });
    EXPECT_EQ(Form1, nullptr);
}

TEST_F(FlowTest, APhotographOpensInTheDetailViewAsACopyAndAClickGoesBack)
{
    run([&] {
        endIntro();
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        Form1->grab(); // the photographs drawn, so the copy shares their pixels
        const QSize shown(Form1->Image3->picture().width(), Form1->Image3->picture().height());
        QTest::mouseClick(Form1->Image3, Qt::LeftButton);
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_TRUE(Form1->isVisible());
        EXPECT_EQ(Form2->caption(), "Detajl");
        EXPECT_EQ(Form2->formState(), ui::FormState::Maximized);
        EXPECT_EQ(Form2->Image1->size(), QSize(Form2->outerWidth(), Form2->outerHeight()));
        EXPECT_EQ(Form2->outerWidth(), QGuiApplication::primaryScreen()->availableGeometry().width());
        EXPECT_FALSE(Form2->Image6->isVisible());
        EXPECT_FALSE(Form2->GroupBox1->isVisible());
        EXPECT_FALSE(Form2->GroupBox2->isVisible());
        EXPECT_EQ(ui::Application::instance().activeForm(), Form2);

        // A later load into the quiz window's box leaves the copy as it was.
        Form1->Image3->picture().loadFromFile("obr\\0\\4.jpg");
        EXPECT_EQ(QSize(Form2->Image1->picture().width(), Form2->Image1->picture().height()), shown);

        ASSERT_NE(decodedPhotograph(*Form2->Image1), nullptr);
        QTest::mouseClick(Form2->Image1, Qt::LeftButton);
        EXPECT_FALSE(Form2->isVisible());
        EXPECT_TRUE(Form2->Image6->isVisibleTo(Form2));
        // The hidden copy lets go of its pixels and keeps its picture.
        EXPECT_EQ(decodedPhotograph(*Form2->Image1), nullptr);
        EXPECT_EQ(QSize(Form2->Image1->picture().width(), Form2->Image1->picture().height()), shown);
        EXPECT_EQ(ui::Application::instance().activeForm(), Form1);
        EXPECT_TRUE(Form1->ComboBox1->isVisible()); // the activation handler ran

        QTest::mouseClick(Form1->Image1, Qt::LeftButton); // still maximised: shown so at once
        EXPECT_EQ(Form2->formState(), ui::FormState::Maximized);
        EXPECT_EQ(Form2->caption(), "Detajl");
        Form2->close(); // closing the detail view ends the program
    });
    EXPECT_EQ(Form2, nullptr);
}

TEST_F(FlowTest, ActivatingTheQuizWindowDuringTheDetailViewLeavesTheWedgeHidden)
{
    run([&] {
        endIntro();
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        Form1->grab();
        QTest::mouseClick(Form1->Image1, Qt::LeftButton);
        ASSERT_NE(decodedPhotograph(*Form2->Image1), nullptr);
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(Form1, &activation);
        EXPECT_EQ(ui::Application::instance().activeForm(), Form1);
        EXPECT_FALSE(Form2->isVisible());
        EXPECT_FALSE(Form2->Image6->isVisibleTo(Form2));
        EXPECT_EQ(decodedPhotograph(*Form2->Image1), nullptr);
        EXPECT_NE(decodedPhotograph(*Form1->Image1), nullptr); // the quiz window's own stay
        Form1->close();
    });
    EXPECT_EQ(Form1, nullptr);
}

TEST_F(FlowTest, ClickingTheEmptyDetailBoxOnTheFirstLevelChoiceDoesNothing)
{
    run([&] {
        QTest::mouseClick(Form2->Image1, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_TRUE(Form2->Image6->isVisible());
        Form2->close();
    });
    EXPECT_EQ(Form2, nullptr);
}

TEST_F(FlowTest, EveryOtherClosePathEndsTheProgram)
{
    // The result screen closed by its close button.
    EXPECT_EQ(run([&] {
                  endIntro();
                  QTest::mouseClick(Form2->Button1, Qt::LeftButton);
                  playRoundRight(*this);
                  Form2->close();
              }),
              0);
    EXPECT_EQ(Form2, nullptr);
    // The quiz window closed in the middle of a correction.
    ui::Quiz = {};
    EXPECT_EQ(run([&] {
                  endIntro();
                  QTest::mouseClick(Form2->Button1, Qt::LeftButton);
                  answer(false);
                  Form1->close();
              }),
              0);
    EXPECT_EQ(Form1, nullptr);
}

TEST_F(FlowTest, AMissingFirstPhotographIsReportedBeforeTheStartPageAndTheQuizGoesOn)
{
    fs::remove(photograph(0, 0));
    bool startPageExistedAtTheBox = true;
    onErrorBox = [&] { startPageExistedAtTheBox = Form2 != nullptr; };
    run([&] {
        ASSERT_EQ(errorBoxes.size(), 1u);
        EXPECT_FALSE(startPageExistedAtTheBox);
        EXPECT_EQ(errorBoxes[0].title, ui::Application::instance().title());
        EXPECT_EQ(errorBoxes[0].text,
                  "Cannot open file \"" + photograph(0, 0).string() + "\". " + testsystem::missingFileText() + ".");
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_EQ(Form1->Label6->text(), "");      // FormCreate stopped at the failed load
        EXPECT_TRUE(Form1->Image1->isVisibleTo(Form1)); // shown just before it
        Form2->close();
    });
}

TEST_F(FlowTest, TheTimerTicksWhileAnErrorBoxIsOpen)
{
    fs::remove(photograph(0, 0));
    bool introEndedDuringTheBox = false;
    onErrorBox = [&] {
        endIntro();
        introEndedDuringTheBox = Form1->BitBtn1->isEnabled() && Form1->GroupBox1->isHidden();
    };
    run([&] { Form2->close(); });
    EXPECT_TRUE(introEndedDuringTheBox);
}

// What a run sets for the whole process goes with it: a picture that fails to draw after the
// run has ended reports to no one, least of all to the ended program.
TEST_F(FlowTest, APaintErrorAfterTheRunReachesNoEndedProgram)
{
    run([&] { Form2->close(); });
    pictures::PictureBox box;
    const unsigned char emptyJpeg[4] = {}; // stored with a count of no bytes
    box.picture().readStoredData(pictures::GraphicKind::Jpeg, emptyJpeg);
    box.grab();
    QTest::qWait(50);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(FlowTest, APhotographThatFailsAtItsFirstDrawingIsReportedOnceAfterThePainting)
{
    { std::ofstream empty(photograph(0, 0)); }
    run([&] {
        endIntro();
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        EXPECT_TRUE(errorBoxes.empty()); // the empty file loads; drawing it fails
        Form1->grab();
        EXPECT_TRUE(errorBoxes.empty()); // not inside the painting
        EXPECT_TRUE(QTest::qWaitFor([&] { return !errorBoxes.empty(); }, 5000));
        Form1->grab();
        QTest::qWait(50);
        ASSERT_EQ(errorBoxes.size(), 1u);
        EXPECT_EQ(errorBoxes[0].text, "JPEG error #42.");
        EXPECT_EQ(errorBoxes[0].title, ui::Application::instance().title());
        Form1->close();
    });
}

void playRoundRight(ProgramRun& run)
{
    while (Form1->isVisible())
        run.answer(true);
}

} // namespace
